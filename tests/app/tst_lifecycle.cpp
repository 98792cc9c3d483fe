// One banner process from its command line through start-up to shut-down,
// and its auto-start entry, on recording fakes.
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
        const char* empty[] = {"vorlane", ""}; // the empty identifier
        QCOMPARE(instanceIdFromArgv(2, empty), QString());
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
        QVERIFY(delegate.panel()->isVisible() && delegate.statusItem());
        QCOMPARE(delegate.settings().text, QStringLiteral("PRODUCTION"));
        QVERIFY(delegate.metrics().isRunning());
        QCOMPARE(fake.preferences.writes, 1); // start-up itself writes nothing

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

    void autostartInstallReplaceAndRemove() {
        const QString binary = qEnvironmentVariable("VORLANE_BINARY");
        const QString program = isolateUserFolders() + "/program";
        const QString installed =
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/com.tarnwick.vorlane.desktop";
        const auto ship = [&](const QByteArray& content) {
            QDir().mkpath(program);
            QFile f(program + "/com.tarnwick.vorlane.desktop");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        };
        fake.processes.executable = program + "/vorlane";
        AppDelegate delegate("x", fake.services());
        delegate.installLaunchAgent(); // nothing shipped
        QCOMPARE(fake.dialogs.alerts.takeFirst(),
                 "Installation Failed | The auto-start entry was not found. Looked for " + program +
                     "/com.tarnwick.vorlane.desktop and " +
                     QDir::cleanPath(program + "/../share/vorlane") +
                     "/com.tarnwick.vorlane.desktop.");
        ship(readFile(QFileInfo(binary).path() + "/com.tarnwick.vorlane.desktop")); // the build's
        QVERIFY(!delegate.isLaunchAgentInstalled());
        delegate.installLaunchAgent(); // the folder is made
        QVERIFY(delegate.isLaunchAgentInstalled());
        // A valid entry, without even a hint, that starts this program.
        QProcess validate;
        validate.start("desktop-file-validate", {installed});
        QVERIFY(validate.waitForFinished(10000));
        QCOMPARE(validate.exitCode(), 0);
        QCOMPARE(validate.readAll(), QByteArray());
        QVERIFY(readFile(installed).contains(
            "\nExec=\"" + QFileInfo(binary).absoluteFilePath().toUtf8() + "\"\n"));
        ship("[Desktop Entry]\nName=newer\n");
        delegate.installLaunchAgent();
        QCOMPARE(readFile(installed), QByteArray("[Desktop Entry]\nName=newer\n"));
        delegate.uninstallLaunchAgent();
        QVERIFY(!delegate.isLaunchAgentInstalled());
        delegate.uninstallLaunchAgent(); // nothing installed: still said
        const QString done = "Auto-Start Installed | Vorlane will start automatically at login.";
        const QString removed = "Auto-Start Removed | Vorlane will no longer start at login.";
        QCOMPARE(fake.dialogs.alerts, (QStringList{done, done, removed, removed}));
    }
};

VORLANE_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
