// /proc/stat, /proc/meminfo, /proc/PID/cmdline and exe links as the kernel
// (or anything pretending to be it) writes them.
#include "FuzzTarget.h"
#include "platform/ProcFsProcesses.h"
#include "platform/ProcFsStatsSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    ProcFsStatsSource::parseStat(bytes);
    if (const auto memory = ProcFsStatsSource::parseMeminfo(bytes))
        FUZZ_REQUIRE(memory->usedBytes <= memory->totalBytes);
    const QStringList arguments = ProcFsProcesses::parseCmdline(bytes);
    FUZZ_REQUIRE(arguments.size() <= bytes.count('\0') + 1);
    ProcFsProcesses::exeTarget(QString::fromUtf8(bytes));
    return 0;
}
