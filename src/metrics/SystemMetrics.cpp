#include "metrics/SystemMetrics.h"

std::optional<double> cpuUsagePercent(const CpuTicks& previous, const CpuTicks& current) {
    if (current.user < previous.user || current.system < previous.system ||
        current.idle < previous.idle || current.nice < previous.nice)
        return std::nullopt;
    const auto dU = static_cast<double>(current.user - previous.user);
    const auto dS = static_cast<double>(current.system - previous.system);
    const auto dI = static_cast<double>(current.idle - previous.idle);
    const auto dN = static_cast<double>(current.nice - previous.nice);
    const double busy = dU + dS;
    const double total = busy + dI + dN;
    return total > 0 ? busy / total * 100.0 : 0.0;
}

SystemMetrics::SystemMetrics(SystemStatsSource& source, QObject* parent)
    : QObject(parent)
    , m_source(source) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SystemMetrics::sample);
}

void SystemMetrics::start() {
    sample();
    m_timer.start();
}

void SystemMetrics::stop() {
    m_timer.stop();
}

void SystemMetrics::sample() {
    updateCPU();
    updateMemory();
}

void SystemMetrics::updateCPU() {
    const auto ticks = m_source.readCpuTicks();
    if (!ticks)
        return; // a failed read changes nothing, priming included
    const auto previous = std::exchange(m_previous, *ticks);
    if (!previous)
        return; // the first sample only primes the counters
    if (const auto usage = cpuUsagePercent(*previous, *ticks)) {
        m_cpuUsage = *usage;
        emit changed();
    }
}

void SystemMetrics::updateMemory() {
    const auto memory = m_source.readMemory();
    if (!memory)
        return;
    m_memUsedGB = static_cast<double>(memory->usedBytes) / bytesPerGB;
    emit changed();
    m_memTotalGB = static_cast<double>(memory->totalBytes) / bytesPerGB;
    emit changed();
}
