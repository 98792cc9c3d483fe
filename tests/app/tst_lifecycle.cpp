// One banner process from start-up to shut-down: on recording fakes, and the
// real binary ended by a signal.
#include "app/CommandLine.h"
#include "banner/BannerPanel.h"
#include "fakes/FakePlatform.h"
#include "platform/SettingsFiles.h"
#include "support/TestEnvironment.h"

#include <csignal>

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

    void panelFollowsScreens() {
        fake.screens.setLayout("eDP=1920x1080+0+0,HDMI=1280x1024+1920+0");
        BannerSettings stored;
        stored.instanceId = "x";
        stored.screenIndex = 1;
        stored.position = BannerPosition::bottomRight;
        stored.save(fake.preferences);
        CountingDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(delegate.panel()->geometry(), QRect(2780, 996, 420, 28));
        fake.screens.setLayout("eDP=1920x1080+0+0"); // HDMI unplugged
        QCOMPARE(delegate.panel()->geometry(), QRect(1500, 1052, 420, 28));
        QCOMPARE(delegate.passes, 1); // reserveSpace is on: re-placing nudges
        fake.screens.setLayout("");   // no screen at all: the last frame stays
        QCOMPARE(delegate.panel()->geometry(), QRect(1500, 1052, 420, 28));
        fake.screens.setLayout("1920x1080+0+0");
    }

    void signalsEndTheRealBinaryInOrder() {
        // The first run also carries an entry of the old shared file over.
        QDir().mkpath(SettingsFiles::defaultFolder());
        QFile old(SettingsFiles::defaultFolder() + "/vorlane.conf");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(
            "[General]\nVorlaneSettings_old=\"@ByteArray({\\\"text\\\":\\\"carried\\\"})\"\n");
        old.close();
        const QString store = SettingsFiles().filePath("VorlaneSettings_ticker");
        for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
            QFile::remove(store);
            QProcess banner;
            banner.setProcessChannelMode(QProcess::ForwardedChannels);
            banner.start(qEnvironmentVariable("VORLANE_BINARY"), {"ticker"});
            QVERIFY(banner.waitForStarted());
            QTest::qWait(1500);
            ::kill(pid_t(banner.processId()), signalNumber);
            QVERIFY(banner.waitForFinished(10000));
            QCOMPARE(banner.exitStatus(), QProcess::NormalExit);
            QCOMPARE(banner.exitCode(), 0);
            QVERIFY2(readFile(store).contains(R"("textAlign":"center")"),
                     "the termination hook saved nothing");
        }
        QVERIFY(readFile(SettingsFiles().filePath("VorlaneSettings_old")).contains("carried"));
    }
};

VORLANE_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
