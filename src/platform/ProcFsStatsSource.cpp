#include "platform/ProcFsStatsSource.h"

#include <QFile>
#include <QList>

#include <utility>

namespace {

std::optional<QByteArray> readWholeFile(const QString& path) {
    // /proc files report a size of 0, so read until the end rather than by size.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<std::uint64_t> toCounter(const QByteArray& field) {
    bool ok = false;
    const qulonglong value = field.toULongLong(&ok);
    return ok ? std::optional<std::uint64_t>(value) : std::nullopt;
}

} // namespace

ProcFsStatsSource::ProcFsStatsSource(QString statPath, QString meminfoPath)
    : m_statPath(std::move(statPath))
    , m_meminfoPath(std::move(meminfoPath)) {}

std::optional<CpuTicks> ProcFsStatsSource::readCpuTicks() {
    const auto stat = readWholeFile(m_statPath);
    return stat ? parseStat(*stat) : std::nullopt;
}

std::optional<MemoryStats> ProcFsStatsSource::readMemory() {
    const auto meminfo = readWholeFile(m_meminfoPath);
    return meminfo ? parseMeminfo(*meminfo) : std::nullopt;
}

std::optional<CpuTicks> ProcFsStatsSource::parseStat(const QByteArray& stat) {
    for (const QByteArray& line : stat.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0) != "cpu")
            continue;
        // Older kernels have fewer columns; at least user..idle are needed.
        if (fields.size() < 5)
            return std::nullopt;
        std::uint64_t column[8] = {};
        for (int i = 0; i < 8 && i + 1 < fields.size(); ++i) {
            const auto value = toCounter(fields[i + 1]);
            if (!value)
                return std::nullopt;
            column[i] = *value;
        }
        const auto [user, nice, system, idle, iowait, irq, softirq, steal] = column;
        return CpuTicks{user, system + irq + softirq + steal, idle + iowait, nice};
    }
    return std::nullopt;
}

std::optional<MemoryStats> ProcFsStatsSource::parseMeminfo(const QByteArray& meminfo) {
    std::optional<std::uint64_t> totalKiB;
    std::optional<std::uint64_t> availableKiB;
    for (const QByteArray& line : meminfo.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        if (fields[0] == "MemTotal:")
            totalKiB = toCounter(fields[1]);
        else if (fields[0] == "MemAvailable:")
            availableKiB = toCounter(fields[1]);
    }
    if (!totalKiB || !availableKiB)
        return std::nullopt;
    const std::uint64_t total = *totalKiB * 1024;
    const std::uint64_t available = *availableKiB * 1024;
    return MemoryStats{total > available ? total - available : 0, total};
}
