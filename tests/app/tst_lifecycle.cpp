// The start-up and shut-down order of one banner process, on recording fakes.
#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "banner/BannerPanel.h"
#include "fakes/CountingDelegate.h"
#include "fakes/FakePlatform.h"

#include "support/TestEnvironment.h"

#include <QtTest>

class LifecycleTest : public QObject {
    Q_OBJECT
    FakePlatform fake;
    QStringList& journal = fake.journal;
    RecordingPreferencesStore& store = fake.preferences;
    ScriptedStatsSource& stats = fake.stats;

private slots:
    void init() {
        journal.clear();
        store.entries.clear();
        store.writes = 0;
        stats.memory = {MemoryStats{1, 2}};
    }

    void identifierFromCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("none") << QStringList{"/usr/bin/vorlane"} << "default";
        QTest::newRow("one") << QStringList{"vorlane", "ticker"} << "ticker";
        QTest::newRow("second ignored") << QStringList{"vorlane", "Work", "x"} << "Work";
        QTest::newRow("empty is empty") << QStringList{"vorlane", ""} << "";
        QTest::newRow("kept exactly") << QStringList{"vorlane", " a/b "} << " a/b ";
        QTest::newRow("looks like a Qt option")
            << QStringList{"vorlane", "-platform"} << "-platform";
        const char* argv[] = {"vorlane", "side info", "more"};
        QCOMPARE(instanceIdFromArgv(3, argv), QStringLiteral("side info"));
        QCOMPARE(instanceIdFromArgv(1, argv), QStringLiteral("default"));
    }

    void identifierFromCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, identifier);
        QCOMPARE(instanceIdFromArguments(arguments), identifier);
    }

    void startUpLoadsSettingsThenStartsSampler() {
        BannerSettings stored;
        stored.text = QStringLiteral("PRODUCTION");
        stored.instanceId = QStringLiteral("prod");
        stored.save(store);
        journal.clear();

        CountingDelegate delegate(QStringLiteral("prod"), fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(journal.mid(0, 4), (QStringList{"read VorlaneSettings_prod", "cpu", "memory",
                                                 "prepare banner window (visible: 0)"}));
        QVERIFY(delegate.panel()->isVisible());
        QCOMPARE(delegate.panel()->geometry(), QRect(0, 0, 1920, 28));
        QCOMPARE(delegate.settings().text, QStringLiteral("PRODUCTION"));
        QCOMPARE(delegate.settings().instanceId, QStringLiteral("prod"));
        QVERIFY(delegate.metrics().isRunning());
        QCOMPARE(store.writes, 1); // start-up itself writes nothing
    }

    void timedActions() {
        CountingDelegate delegate(QStringLiteral("t"), fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(delegate.spaceGuardTimer().interval(), 2000);
        QVERIFY(!delegate.spaceGuardTimer().isSingleShot());
        QCOMPARE(delegate.startupNudgeTimer().interval(), 1000);
        QVERIFY(delegate.startupNudgeTimer().isSingleShot());
        QCOMPARE(delegate.autosaveTimer().interval(), 30000);
        QVERIFY(delegate.spaceGuardTimer().isActive() && delegate.autosaveTimer().isActive() &&
                delegate.startupNudgeTimer().isActive());

        // With reservation off the guard does nothing, the start-up pass runs.
        delegate.settings().reserveSpace = false;
        fire(delegate.spaceGuardTimer());
        QCOMPARE(delegate.passes, 0);
        fire(delegate.startupNudgeTimer());
        QCOMPARE(delegate.passes, 1);
        delegate.settings().reserveSpace = true;
        fire(delegate.spaceGuardTimer());
        QCOMPARE(delegate.passes, 2);

        // The autosave writes whether or not anything changed.
        fire(delegate.autosaveTimer());
        fire(delegate.autosaveTimer());
        QCOMPARE(store.writes, 2);
        QVERIFY(store.entries.contains("VorlaneSettings_t"));
    }

    void shutDownSavesAndStopsEverything() {
        CountingDelegate delegate(QStringLiteral("ticker"), fake.services());
        delegate.applicationDidFinishLaunching();
        delegate.settings().fontSize = 40;
        journal.clear();
        delegate.applicationWillTerminate();
        QCOMPARE(journal, QStringList{"write VorlaneSettings_ticker"});
        QVERIFY(!delegate.metrics().isRunning());
        QVERIFY(!delegate.spaceGuardTimer().isActive());
        QVERIFY(!delegate.autosaveTimer().isActive());
        QVERIFY(!delegate.startupNudgeTimer().isActive());
        QCOMPARE(BannerSettings::load(store, "ticker").fontSize, 40.0);
    }

    void shutDownBeforeStartUpIsHarmless() {
        AppDelegate delegate(QStringLiteral("x"), fake.services());
        delegate.applicationWillTerminate();
        QCOMPARE(store.writes, 0);
    }
};

VORLANE_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
