// One banner process from its command line through start-up, its timed actions
// and strip-keeping passes to shut-down, and its auto-start entry, on fakes.
#include "app/CommandLine.h"
#include "app/QuietQtMessages.h"
#include "banner/Banner.h"
#include "fakes/FakePlatform.h"
#include "instances/BannerFleet.h"
#include "metrics/SystemMetrics.h"
#include "spaceguard/StripGuard.h"
#include "support/Choose.h"
#include "support/TestEnvironment.h"

class LifecycleTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FakePlatform> fake;

private slots:
    void init() {
        fake = std::make_unique<FakePlatform>();
        fake->stats.memory = {MemoryStats{1, 2}};
    }

    void identifierFromCommandLine() {
        // The first argument (none: "default"; e + combining acute: one form;
        // "-": not UTF-8), whatever follows.
        const char* first[] = {"side info", nullptr, "", "cafe\xcc\x81", "\xff", "\xfe", "a\xc3"};
        const QStringList ids{"side info", "default", "", "caf\u00e9", "-", "-", "-"};
        for (int i = 0; i < ids.size(); ++i) {
            const char* argv[] = {"vorlane", first[i], "more"};
            QCOMPARE(instanceIdFromArgv(first[i] ? 3 : 1, argv).value_or("-"), ids[i]);
        }
        // No X server (Wayland without XWayland, or one gone): a word and an end.
        for (const QString& display : {QString(), QStringLiteral(":9999")}) {
            QProcess noX;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("QT_QPA_PLATFORM");
            env.insert("WAYLAND_DISPLAY", "wayland-9");
            display.isEmpty() ? env.remove("DISPLAY") : env.insert("DISPLAY", display);
            noX.setProcessEnvironment(env);
            noX.start(qEnvironmentVariable("VORLANE_BINARY"), {"x"});
            QVERIFY(noX.waitForFinished(10000) && noX.exitCode() == 1 &&
                    noX.readAllStandardError().startsWith("vorlane: "));
        }
    }

    void harmlessQtNoticesKeptQuiet() { // of every kind of notice; nothing else
        static QStringList passed;
        const QtMessageHandler testlib = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& m) { passed << m; });
        keepHarmlessQtMessagesQuiet();
        const QLoggingCategory xcb("qt.qpa.xcb");
        qCWarning(xcb, "Unhandled client message: \"_KDE_WM_CHANGE_STATE\"");
        const QString runtime = "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/x'";
        for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
            qt_message_output(type, QMessageLogContext(), runtime);
        qWarning("Unhandled client message: the program's own");
        qInstallMessageHandler(testlib);
        QCOMPARE(passed, (QStringList{runtime, "Unhandled client message: the program's own"}));
    }

    void startUpOrderAndTimedActions() {
        BannerApp early(QStringLiteral("prod"), fake->services());
        early.stop(); // before start: harmless, nothing saved
        fake->preferences.entries["VorlaneSettings_prod"] = R"({"text":"PRODUCTION"})";
        BannerApp app(QStringLiteral("prod"), fake->services());
        app.start();
        QCOMPARE(journal.mid(0, 4), (QStringList{"read VorlaneSettings_prod", "cpu", "memory",
                                                 "show banner window (visible before: 0)"}));
        QVERIFY(app.banner().window()->isVisible() && app.trayIcon());
        QVERIFY(app.metrics().isRunning() && app.guard()->isRunning());
        QCOMPARE(fake->preferences.writes, 0); // start-up itself writes nothing
        journal.clear();
        QCoreApplication::processEvents(); // the autosave waits its interval: no read
        QVERIFY(!journal.contains("read VorlaneSettings_prod"));

        QTimer* autosave = app.findChild<QTimer*>("autosave");
        QVERIFY(autosave && autosave->isActive());
        QMetaObject::invokeMethod(autosave, "timeout"); // as if 30 s had passed
        QCOMPARE(fake->preferences.writes, 0);          // with nothing new to save
        app.settings().fontSize = 30;
        QMetaObject::invokeMethod(autosave, "timeout");
        QCOMPARE(fake->preferences.writes, 1);
        fake->preferences.edit("VorlaneSettings_prod", R"({"text":"STAGING"})"); // by hand
        QTRY_COMPARE(app.settings().text, "STAGING");
        journal.clear();
        app.settings().fontSize = 40;
        app.stop();
        QCOMPARE(journal.filter("write"), QStringList{"write VorlaneSettings_prod"});
        QVERIFY(!app.metrics().isRunning() && !app.guard()->isRunning() && !autosave->isActive());
        QCOMPARE(BannerSettings::load(fake->preferences, "prod").fontSize, 40.0);
    }

    void passesFollowReserveSpace() { // guard ticks and the strut: the desktop tests
        (void)fake->preferences.write("VorlaneSettings_x", R"({"reserveSpace":false})");
        BannerApp app("x", fake->services());
        app.start();
        const auto* startupPass = app.guard()->findChild<QTimer*>("startupPass");
        const auto* windowEventPass = app.guard()->findChild<QTimer*>("windowEventPass");
        QVERIFY(startupPass && windowEventPass);
        app.guard()->tick();
        emit fake->windows.others.windowActivity(); // off: nothing
        QVERIFY(!windowEventPass->isActive());
        QCOMPARE(fake->windows.others.passes, 0);
        // but the pass after start-up runs, once
        QTRY_COMPARE_WITH_TIMEOUT(fake->windows.others.passes, 1,
                                  StripGuard::startupPassDelayMs + 500);
        QVERIFY(!startupPass->isActive() && app.guard()->isRunning()); // ticking
        app.guard()->stop(); // its own ticks stay out of the count from here on
        app.settings().reserveSpace = true;
        // A window activated or new: a pass 0.3 s later, one more for those meanwhile.
        for (int i = 0; i < 3; ++i)
            emit fake->windows.others.windowActivity();
        QVERIFY(windowEventPass->isActive());
        QTRY_COMPARE(fake->windows.others.passes, 3);
        QVERIFY(!windowEventPass->isActive()); // then they stop
        app.guard()->tick();
        QCOMPARE(fake->windows.others.passes, 4);
        app.banner().place();
        QVERIFY(fake->windows.placed->reserve);
        fake->screens.setLayout(""); // no screen: no pass, and no strip kept
        QVERIFY(!fake->windows.placed->reserve);
        app.guard()->runPass();
        QCOMPARE(fake->windows.others.passes, 4);
    }

    void stubbornWindowIsAskedOncePerTickForThreeTicks() {
        fake->screens.setLayout("960x540+0+0@2"); // device pixels, twice the logical ones
        fake->windows.others.stubborn = true;
        fake->windows.others.windows = {{7, QRect(100, 10, 800, 600), {}},
                                        {8, QRect(900, 0, 300, 300), {}},
                                        {9, QRect(1300, 0, 90, 600), {}},    // 45 wide: never moved
                                        {10, QRect(1500, 0, 300, 150), {}}}; // 47 left: never moved
        BannerApp app("x", fake->services());
        app.start();
        StripGuard& guard = *app.guard();
        guard.runPass();
        guard.runPass();
        QCOMPARE(fake->windows.others.sent.size(), 2); // each window once
        guard.tick();
        QCOMPARE(fake->windows.others.sent.size(), 4); // a new tick asks again
        guard.tick();
        guard.tick();
        QCOMPARE(fake->windows.others.sent.size(), 6); // three ticks, then left alone
        // Out of the strip for a tick, then back: asked again.
        fake->windows.others.windows[0].frame.moveTop(100);
        guard.tick();
        fake->windows.others.windows[0].frame.moveTop(10);
        guard.tick();
        QCOMPARE(fake->windows.others.sent.size(), 7);
        QCOMPARE(fake->windows.others.sent.last().window.id, 7u);
    }

    void autostartInstallReplaceAndRemove() {
        const QString binary = qEnvironmentVariable("VORLANE_BINARY");
        const QString program = isolateUserFolders() + "/program";
        const QString installed =
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/com.tarnwick.vorlane.desktop";
        const auto ship = [&](const QByteArray& content) {
            QVERIFY(writeFile(program + "/com.tarnwick.vorlane.desktop", content));
        };
        fake->runFrom(program + "/vorlane");
        BannerApp app("x", fake->services());
        app.start();
        BannerFleet& fleet = app.fleet();
        QVERIFY(choose(app, "Banners > Install Auto-Start at Login")); // nothing shipped
        QCOMPARE(fake->dialogs.alerts.takeFirst(),
                 "Installation Failed | The auto-start entry was not found. Looked for " + program +
                     "/com.tarnwick.vorlane.desktop and " + isolateUserFolders() +
                     "/share/vorlane/com.tarnwick.vorlane.desktop.");
        ship(readFile(QFileInfo(binary).path() + "/com.tarnwick.vorlane.desktop")); // the build's
        QVERIFY(!fleet.isAutostartInstalled());
        QVERIFY(choose(app, "Banners > Install Auto-Start at Login")); // the folder is made
        QVERIFY(fleet.isAutostartInstalled());
        // The shipped entry, as it is (a test validates it), starts this program.
        QCOMPARE(readFile(installed), readFile(program + "/com.tarnwick.vorlane.desktop"));
        QVERIFY(readFile(installed).contains(
            "\nExec=\"" + QFileInfo(binary).absoluteFilePath().toUtf8() + "\"\n"));
        ship("[Desktop Entry]\nName=newer\n");
        fleet.installAutostart();
        QCOMPARE(readFile(installed), QByteArray("[Desktop Entry]\nName=newer\n"));
        QVERIFY(choose(app, "Banners > Remove Auto-Start"));
        QVERIFY(!fleet.isAutostartInstalled());
        fleet.removeAutostart(); // nothing installed: still said
        const QString done = "Auto-Start Installed | Vorlane will start automatically at login.";
        const QString removed = "Auto-Start Removed | Vorlane will no longer start at login.";
        QCOMPARE(fake->dialogs.alerts, (QStringList{done, done, removed, removed}));
    }
};

VORLANE_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
