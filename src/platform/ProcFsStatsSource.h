#pragma once

#include "platform/SystemStatsSource.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Reads /proc/stat and /proc/meminfo (other paths for recorded samples).
//
// CPU: the aggregate "cpu" line holds user, nice, system, idle, iowait, irq,
// softirq, steal, guest and guest_nice. They map onto the four counters as
//   user   = user
//   nice   = nice
//   system = system + irq + softirq + steal
//   idle   = idle + iowait
// Guest time is already contained in user and nice, so it is not added.
//
// Memory: used = MemTotal - MemAvailable (what free(1) calls used),
// total = MemTotal.
class ProcFsStatsSource final : public SystemStatsSource {
public:
    explicit ProcFsStatsSource(QString statPath = QStringLiteral("/proc/stat"),
                               QString meminfoPath = QStringLiteral("/proc/meminfo"));

    std::optional<CpuTicks> readCpuTicks() override;
    std::optional<MemoryStats> readMemory() override;

    static std::optional<CpuTicks> parseStat(const QByteArray& stat);
    static std::optional<MemoryStats> parseMeminfo(const QByteArray& meminfo);

private:
    QFile m_stat;
    QFile m_meminfo;
};
