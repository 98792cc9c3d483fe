#pragma once

#include "platform/SystemStatsSource.h"

#include <QObject>
#include <QTimer>

#include <optional>

// The CPU share of busy time between two samples, in percent; nothing when
// a counter went down (then the caller re-primes instead). Nice time counts
// toward the total, not toward busy time. A total of zero gives 0.
std::optional<double> cpuUsagePercent(const CpuTicks& previous, const CpuTicks& current);

inline constexpr double bytesPerGB = 1073741824.0; // 2^30

// Samples CPU load and memory use every 2 seconds and publishes three
// values. `changed` is emitted at every assignment, so the banner view is
// drawn again each time the sampler publishes.
class SystemMetrics : public QObject {
    Q_OBJECT
public:
    static constexpr int intervalMs = 2000;

    explicit SystemMetrics(SystemStatsSource& source, QObject* parent = nullptr);

    double cpuUsage() const { return m_cpuUsage; }
    double memUsedGB() const { return m_memUsedGB; }
    double memTotalGB() const { return m_memTotalGB; }
    bool isRunning() const { return m_timer.isActive(); }

    // One sample at once (which only primes the CPU counters), then one every
    // 2.0 seconds.
    void start();
    // No further samples; the values keep their last state.
    void stop();

    // One firing of the timer.
    void sample();

signals:
    void changed();

private:
    void updateCPU();
    void updateMemory();

    SystemStatsSource& m_source;
    QTimer m_timer;
    double m_cpuUsage = 0;
    double m_memUsedGB = 0;
    double m_memTotalGB = 0;
    std::optional<CpuTicks> m_previous; // nothing until the first CPU sample
};
