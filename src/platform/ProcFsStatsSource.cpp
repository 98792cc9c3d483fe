#include "platform/ProcFsStatsSource.h"

#include <QVarLengthArray>

#include <cctype>

namespace {

// /proc files report a size of 0: read until the end. The file stays open
// and is read again from its start at every sample.
std::optional<QByteArray> readFromStart(QFile& file) {
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    if (!file.seek(0)) {
        file.close();
        return std::nullopt;
    }
    return file.readAll();
}

// The unsigned numbers that follow `key` on its line, at most `count` of
// them; nothing when the key is missing or a field is not a number.
std::optional<QVarLengthArray<std::uint64_t, 8>> numbersAfter(const QByteArray& text,
                                                              QByteArrayView key, int count) {
    qsizetype at = text.startsWith(key) ? 0 : text.indexOf('\n' + key.toByteArray());
    if (at < 0)
        return std::nullopt;
    at += text.startsWith(key) ? key.size() : key.size() + 1;
    QVarLengthArray<std::uint64_t, 8> numbers;
    const char* p = text.constData() + at;
    const char* end = text.constData() + text.size();
    while (numbers.size() < count) {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p == end || *p == '\n' || !std::isdigit(static_cast<unsigned char>(*p)))
            break;
        std::uint64_t value = 0;
        for (; p < end && std::isdigit(static_cast<unsigned char>(*p)); ++p)
            value = value * 10 + std::uint64_t(*p - '0');
        if (p < end && *p != ' ' && *p != '\t' && *p != '\n')
            return std::nullopt; // "12ab"
        numbers.append(value);
    }
    // What stopped the scan must be the end of the line, unless enough were read.
    if (numbers.size() < count && p < end && *p != '\n')
        return std::nullopt;
    return numbers;
}

} // namespace

ProcFsStatsSource::ProcFsStatsSource(QString statPath, QString meminfoPath)
    : m_stat(statPath)
    , m_meminfo(meminfoPath) {}

std::optional<CpuTicks> ProcFsStatsSource::readCpuTicks() {
    const auto stat = readFromStart(m_stat);
    return stat ? parseStat(*stat) : std::nullopt;
}

std::optional<MemoryStats> ProcFsStatsSource::readMemory() {
    const auto meminfo = readFromStart(m_meminfo);
    return meminfo ? parseMeminfo(*meminfo) : std::nullopt;
}

std::optional<CpuTicks> ProcFsStatsSource::parseStat(const QByteArray& stat) {
    // The aggregate line comes first; older kernels have fewer columns, but
    // at least user..idle are needed.
    auto columns = numbersAfter(stat, "cpu ", 8);
    if (!columns || columns->size() < 4)
        return std::nullopt;
    columns->resize(8, 0);
    const auto& c = *columns;
    // user, nice, system, idle, iowait, irq, softirq, steal
    return CpuTicks{c[0], c[2] + c[5] + c[6] + c[7], c[3] + c[4], c[1]};
}

std::optional<MemoryStats> ProcFsStatsSource::parseMeminfo(const QByteArray& meminfo) {
    const auto total = numbersAfter(meminfo, "MemTotal:", 1);
    const auto available = numbersAfter(meminfo, "MemAvailable:", 1);
    if (!total || !available || total->isEmpty() || available->isEmpty())
        return std::nullopt;
    const std::uint64_t totalBytes = total->front() * 1024;
    const std::uint64_t availableBytes = available->front() * 1024;
    return MemoryStats{totalBytes > availableBytes ? totalBytes - availableBytes : 0, totalBytes};
}
