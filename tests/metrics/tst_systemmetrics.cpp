// The sampler's arithmetic, its /proc source on recorded samples, and its
// priming and failure rules.
#include "fakes/ScriptedStatsSource.h"
#include "metrics/SystemMetrics.h"
#include "platform/ProcFsStatsSource.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(CpuTicks)

class SystemMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void recordedSamplesGiveTheExpectedUsage() {
        const auto a = ProcFsStatsSource(testDataPath("proc/stat-a")).readCpuTicks();
        const auto b = ProcFsStatsSource(testDataPath("proc/stat-b")).readCpuTicks();
        QVERIFY(a && b);
        // user, system+irq+softirq+steal, idle+iowait, nice
        QCOMPARE(*a, (CpuTicks{10000, 3550, 81000, 500}));
        QCOMPARE(cpuUsagePercent(*a, *b), 25.0); // dU 30, dS 20, dI 140, dN 10
    }

    void statParsing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("readable");
        QTest::newRow("four columns") << "proc/stat-short" << true;
        QTest::newRow("damaged counter") << "proc/stat-damaged" << false;
        QTest::newRow("missing file") << "proc/none" << false;
    }

    void statParsing() {
        QFETCH(QString, file);
        QFETCH(bool, readable);
        QCOMPARE(ProcFsStatsSource(testDataPath(file)).readCpuTicks().has_value(), readable);
    }

    void memoryFromMeminfo() {
        const auto m = ProcFsStatsSource({}, testDataPath("proc/meminfo")).readMemory();
        QVERIFY(m);
        QCOMPARE(m->totalBytes, 16384000ull * 1024);
        QCOMPARE(m->usedBytes, (16384000ull - 6000000ull) * 1024);
        QCOMPARE(ProcFsStatsSource({}, testDataPath("proc/meminfo-no-available")).readMemory(),
                 std::nullopt);
        // The live machine reads too.
        QVERIFY(ProcFsStatsSource().readMemory());
        QVERIFY(ProcFsStatsSource().readCpuTicks());
    }

    void usageArithmetic_data() {
        QTest::addColumn<CpuTicks>("previous");
        QTest::addColumn<CpuTicks>("current");
        QTest::addColumn<double>("expected"); // -1: no value, re-prime
        const CpuTicks base{1000, 1000, 1000, 1000};
        QTest::newRow("no ticks at all") << base << base << 0.0;
        QTest::newRow("all busy") << base << CpuTicks{1100, 1100, 1000, 1000} << 100.0;
        QTest::newRow("nice is not busy") << base << CpuTicks{1000, 1000, 1000, 1100} << 0.0;
        QTest::newRow("past 32 bits")
            << CpuTicks{0xFFFFFFF0ull, 0, 0, 0} << CpuTicks{0x100000010ull, 0, 0x20ull, 0} << 50.0;
        QTest::newRow("counter went down") << base << CpuTicks{1100, 1100, 999, 1000} << -1.0;
    }

    void usageArithmetic() {
        QFETCH(CpuTicks, previous);
        QFETCH(CpuTicks, current);
        QFETCH(double, expected);
        QCOMPARE(cpuUsagePercent(previous, current).value_or(-1.0), expected);
    }

    void firstSampleOnlyPrimes() {
        ScriptedStatsSource source;
        source.cpu = {CpuTicks{100, 100, 100, 100}, CpuTicks{130, 120, 240, 110}};
        source.memory = {MemoryStats{13271040000ull, 17179869184ull}};
        SystemMetrics metrics(source);
        QSignalSpy published(&metrics, &SystemMetrics::changed);
        metrics.start();
        QVERIFY(metrics.isRunning());
        QCOMPARE(metrics.cpuUsage(), 0.0);
        QCOMPARE(published.count(), 2); // memUsedGB, then memTotalGB
        QVERIFY(qAbs(metrics.memUsedGB() - 12.36) < 0.01);
        QCOMPARE(metrics.memTotalGB(), 16.0);

        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 25.0);
        QCOMPARE(published.count(), 5);
        metrics.stop();
        QVERIFY(!metrics.isRunning());
        QCOMPARE(metrics.cpuUsage(), 25.0);
    }

    void failedReadsChangeNothing() {
        ScriptedStatsSource source;
        // A failed first CPU read leaves the sampler unprimed: the next
        // success primes instead of producing a value.
        source.cpu = {std::nullopt, CpuTicks{0, 0, 0, 0}, CpuTicks{50, 0, 50, 0}, std::nullopt};
        source.memory = {std::nullopt};
        SystemMetrics metrics(source);
        QSignalSpy published(&metrics, &SystemMetrics::changed);
        metrics.sample();
        metrics.sample();
        QCOMPARE(published.count(), 0);
        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 50.0);
        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 50.0);
        QCOMPARE(metrics.memTotalGB(), 0.0);
    }

    void counterThatGoesDownReprimes() {
        ScriptedStatsSource source;
        source.cpu = {CpuTicks{500, 500, 500, 0}, CpuTicks{10, 10, 10, 0}, CpuTicks{20, 10, 20, 0}};
        SystemMetrics metrics(source);
        metrics.sample();
        metrics.sample(); // went down: no value, new previous
        QCOMPARE(metrics.cpuUsage(), 0.0);
        metrics.sample();
        QCOMPARE(metrics.cpuUsage(), 50.0);
    }

    void timerRunsEveryTwoSeconds() {
        ScriptedStatsSource source;
        SystemMetrics metrics(source);
        metrics.start();
        QCOMPARE(SystemMetrics::intervalMs, 2000);
        QCOMPARE(source.cpuQueries, 1);
    }
};

VORLANE_TEST_GUILESS_MAIN(SystemMetricsTest)
#include "tst_systemmetrics.moc"
