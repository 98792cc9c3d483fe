// The sampler's arithmetic, its /proc source on recorded samples, and its
// priming and failure rules.
#include "fakes/FakePlatform.h"
#include "metrics/SystemMetrics.h"
#include "platform/ProcFsStatsSource.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>

class SystemMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void procFiles() {
        const auto a = ProcFsStatsSource(testDataPath("proc/stat-a")).readCpuTicks();
        const auto b = ProcFsStatsSource(testDataPath("proc/stat-b")).readCpuTicks();
        // user, system+irq+softirq+steal, idle+iowait, nice
        QCOMPARE(a, (CpuTicks{10000, 3550, 81000, 500}));
        QCOMPARE(cpuUsagePercent(*a, *b), 25.0); // dU 30, dS 20, dI 140, dN 10
        QVERIFY(ProcFsStatsSource(testDataPath("proc/stat-short")).readCpuTicks()); // 4 columns
        QVERIFY(!ProcFsStatsSource(testDataPath("proc/stat-damaged")).readCpuTicks());
        QVERIFY(!ProcFsStatsSource::parseStat("cpu 100 5 30\ncpu0 100 5 30 800\n")); // 3 columns
        QVERIFY(!ProcFsStatsSource(testDataPath("proc/none")).readCpuTicks());

        const auto m = ProcFsStatsSource({}, testDataPath("proc/meminfo")).readMemory();
        QCOMPARE(m->totalBytes, 16384000ull * 1024);
        QCOMPARE(m->usedBytes, (16384000ull - 6000000ull) * 1024);
        QVERIFY(!ProcFsStatsSource({}, testDataPath("proc/meminfo-no-available")).readMemory());
        QVERIFY(ProcFsStatsSource().readMemory() && ProcFsStatsSource().readCpuTicks());
    }

    void usageArithmetic() {
        const CpuTicks base{1000, 1000, 1000, 1000};
        for (const auto& [previous, current, expected] : // -1: no value, prime again
             std::initializer_list<std::tuple<CpuTicks, CpuTicks, double>>{
                 {base, base, 0.0},
                 {base, {1100, 1100, 1000, 1000}, 100.0},
                 {base, {1000, 1000, 1000, 1100}, 0.0}, // nice is not busy
                 {{0xFFFFFFF0ull, 0, 0, 0}, {0x100000010ull, 0, 0x20ull, 0}, 50.0},
                 {base, {1100, 1100, 999, 1000}, -1.0}}) // a counter went down
            QCOMPARE(cpuUsagePercent(previous, current).value_or(-1.0), expected);
    }

    void samplingPrimesThenPublishes() {
        ScriptedStatsSource source;
        // A failed first read leaves the sampler unprimed; a counter that
        // goes down primes it again.
        source.cpu = {std::nullopt, CpuTicks{0, 0, 0, 0},   CpuTicks{50, 0, 50, 0},
                      std::nullopt, CpuTicks{10, 0, 10, 0}, CpuTicks{20, 0, 30, 0}};
        source.memory = {std::nullopt, MemoryStats{13271040000ull, 17179869184ull}};
        SystemMetrics metrics(source);
        QSignalSpy published(&metrics, &SystemMetrics::changed);
        metrics.start(); // nothing read
        QCOMPARE(published.count(), 0);
        metrics.sample(); // primes the CPU counters only
        QCOMPARE(metrics.cpuUsage(), 0.0);
        QCOMPARE(published.count(), 2); // memUsedGB, then memTotalGB
        QVERIFY(qAbs(metrics.memUsedGB() - 12.36) < 0.01);
        QCOMPARE(metrics.memTotalGB(), 16.0);
        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 50.0);
        QCOMPARE(published.count(), 5);
        metrics.sample();
        metrics.sample(); // went down: no value, new previous
        QCOMPARE(metrics.cpuUsage(), 50.0);
        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 100.0 / 3);
        metrics.stop();
        QVERIFY(!metrics.isRunning());
    }
};

VORLANE_TEST_MAIN(SystemMetricsTest)
#include "tst_systemmetrics.moc"
