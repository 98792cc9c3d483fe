#pragma once

#include <cstdint>
#include <optional>

// Cumulative processor time since boot, summed over all processors.
struct CpuTicks {
    std::uint64_t user = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t nice = 0;

    friend bool operator==(const CpuTicks&, const CpuTicks&) = default;
};

struct MemoryStats {
    std::uint64_t usedBytes = 0;
    std::uint64_t totalBytes = 0;
};

// Where the sampler gets its raw numbers. Nothing means the query failed.
class SystemStatsSource {
public:
    virtual ~SystemStatsSource() = default;
    virtual std::optional<CpuTicks> readCpuTicks() = 0;
    virtual std::optional<MemoryStats> readMemory() = 0;
};
