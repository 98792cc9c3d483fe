#pragma once

#include "fakes/Journal.h"
#include "platform/SystemStatsSource.h"

#include <QList>

// Hands out the readings it was given, one per query (nothing: a failed read), repeating the last.
class ScriptedStatsSource final : public SystemStatsSource {
public:
    std::optional<CpuTicks> readCpuTicks() override {
        journal << QStringLiteral("cpu");
        return next(cpu);
    }
    std::optional<MemoryStats> readMemory() override {
        journal << QStringLiteral("memory");
        return next(memory);
    }
    QList<std::optional<CpuTicks>> cpu;
    QList<std::optional<MemoryStats>> memory;

private:
    template <typename T> static std::optional<T> next(QList<std::optional<T>>& list) {
        return list.size() > 1 ? list.takeFirst() : list.value(0);
    }
};
