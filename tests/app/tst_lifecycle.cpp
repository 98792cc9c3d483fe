// One banner process from its command line through start-up to shut-down, on
// recording fakes.
#include "app/CommandLine.h"
#include "banner/BannerPanel.h"
#include "fakes/FakePlatform.h"
#include "support/TestEnvironment.h"

class LifecycleTest : public QObject {
    Q_OBJECT
    FakePlatform fake;

private slots:
    void init() {
        fake.journal.clear();
        fake.preferences.entries.clear();
        fake.preferences.writes = 0;
        fake.stats.memory = {MemoryStats{1, 2}};
    }

    void identifierFromCommandLine() {
        const char* argv[] = {"vorlane", "side info", "more"};
        QCOMPARE(instanceIdFromArgv(3, argv), QStringLiteral("side info"));
        QCOMPARE(instanceIdFromArgv(1, argv), QStringLiteral("default"));
        const char* nfd[] = {"vorlane", "cafe\xcc\x81"}; // e + combining acute: one form
        QCOMPARE(instanceIdFromArgv(2, nfd), QStringLiteral("caf\u00e9"));
        for (const char* bad : {"\xff", "\xfe", "a\xc3"}) {
            const char* invalid[] = {"vorlane", bad};
            QCOMPARE(instanceIdFromArgv(2, invalid), std::nullopt);
        }
        QProcess refused; // and the program says so and ends
        refused.start("sh", {"-c", "exec \"$0\" \"$(printf '\\377')\"",
                             qEnvironmentVariable("VORLANE_BINARY")});
        QVERIFY(refused.waitForFinished(10000));
        QCOMPARE(refused.exitCode(), 2);
        QVERIFY(refused.readAllStandardError().contains("not valid UTF-8"));
        QCOMPARE(instanceIdFromArguments({"vorlane", ""}), QString()); // empty is empty
        QCOMPARE(instanceIdFromArguments({"vorlane", " a/b "}), QStringLiteral(" a/b "));
        QCOMPARE(instanceIdFromArguments({"vorlane", "-platform"}), QStringLiteral("-platform"));
    }

    void startUpOrderAndTimedActions() {
        BannerSettings stored;
        stored.text = QStringLiteral("PRODUCTION");
        stored.instanceId = QStringLiteral("prod");
        stored.save(fake.preferences);
        fake.journal.clear();

        CountingDelegate delegate(QStringLiteral("prod"), fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(fake.journal.mid(0, 4), (QStringList{"read VorlaneSettings_prod", "cpu", "memory",
                                                      "prepare banner window (visible: 0)"}));
        QVERIFY(delegate.panel()->isVisible());
        QVERIFY(delegate.statusItem());
        QCOMPARE(delegate.panel()->geometry(), QRect(0, 0, 1920, 28));
        QCOMPARE(delegate.settings().text, QStringLiteral("PRODUCTION"));
        QVERIFY(delegate.metrics().isRunning());
        QCOMPARE(fake.preferences.writes, 1); // start-up itself writes nothing

        QCOMPARE(delegate.spaceGuardTimer().interval(), 2000);
        QCOMPARE(delegate.startupNudgeTimer().interval(), 1000);
        QVERIFY(delegate.startupNudgeTimer().isSingleShot() &&
                !delegate.spaceGuardTimer().isSingleShot());
        QCOMPARE(delegate.autosaveTimer().interval(), 30000);
        fire(delegate.autosaveTimer());
        QCOMPARE(fake.preferences.writes, 2);

        delegate.settings().fontSize = 40;
        fake.journal.clear();
        delegate.applicationWillTerminate();
        QCOMPARE(fake.journal, QStringList{"write VorlaneSettings_prod"});
        QVERIFY(!delegate.metrics().isRunning() && !delegate.spaceGuardTimer().isActive() &&
                !delegate.autosaveTimer().isActive() && !delegate.startupNudgeTimer().isActive());
        QCOMPARE(BannerSettings::load(fake.preferences, "prod").fontSize, 40.0);
    }

    void shutDownBeforeStartUpIsHarmless() {
        AppDelegate delegate(QStringLiteral("x"), fake.services());
        delegate.applicationWillTerminate();
        QCOMPARE(fake.preferences.writes, 0);
    }
};

VORLANE_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
