// /proc/stat, /proc/meminfo, and /proc/PID/cmdline as the kernel
// (or anything pretending to be it) writes them.
#include "FuzzTarget.h"
#include "platform/ProcFsTable.h"
#include "platform/ProcFsStatsSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    ProcFsStatsSource::parseStat(bytes);
    if (const auto memory = ProcFsStatsSource::parseMeminfo(bytes))
        FUZZ_REQUIRE(memory->usedBytes <= memory->totalBytes);
    const QStringList arguments = ProcFsTable::parseCmdline(bytes);
    FUZZ_REQUIRE(arguments.size() <= bytes.count('\0') + 1);
    return 0;
}
