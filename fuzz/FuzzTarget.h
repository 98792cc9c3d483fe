#pragma once

// Each file in this folder is one libFuzzer target over a parser of outside
// data. Built with VORLANE_FUZZ=ON (clang) it is a fuzzer; otherwise
// replay_main.cpp runs it over the committed corpus as a test.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A property that must hold for every input: a failure is a finding.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition))                                                                          \
            std::abort();                                                                          \
    } while (false)
