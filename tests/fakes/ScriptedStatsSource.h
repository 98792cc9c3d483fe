#pragma once

#include "platform/SystemStatsSource.h"

#include <QList>
#include <QStringList>

// Hands out the CPU and memory readings it was given, one per query, in
// order (nothing = a failed query); repeats the last one when it runs out.
class ScriptedStatsSource final : public SystemStatsSource {
public:
    explicit ScriptedStatsSource(QStringList* journal = nullptr)
        : m_journal(journal) {}

    std::optional<CpuTicks> readCpuTicks() override {
        record(QStringLiteral("cpu"));
        return next(cpu, cpuQueries++);
    }

    std::optional<MemoryStats> readMemory() override {
        record(QStringLiteral("memory"));
        return next(memory, memoryQueries++);
    }

    QList<std::optional<CpuTicks>> cpu;
    QList<std::optional<MemoryStats>> memory;
    int cpuQueries = 0;
    int memoryQueries = 0;

private:
    template <typename T> static std::optional<T> next(const QList<std::optional<T>>& list, int i) {
        if (list.isEmpty())
            return std::nullopt;
        return list.value(std::min<qsizetype>(i, list.size() - 1));
    }

    void record(const QString& line) {
        if (m_journal)
            m_journal->append(line);
    }

    QStringList* m_journal;
};
