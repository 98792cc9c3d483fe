// Launching further banners, quitting all, the saved session and the
// running-banner list, as the delegate does them, on fakes.
#include "app/AppDelegate.h"
#include "fakes/FakePlatform.h"
#include "instances/RunningBanners.h"
#include "instances/SessionManager.h"
#include "platform/ProcFsProcesses.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QList<BannerProcess>>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QByteArray sessionDocument() {
    QFile f(SessionManager::defaultSessionFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

} // namespace

class InstanceCommandsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<AppDelegate> delegate;

private slots:
    void init() {
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively();
        fake = std::make_unique<FakePlatform>();
        fake->screens.setLayout(
            "Built-in Retina Display=1440x900+0+0,DELL U2720Q=2560x1440+1440+0");
        delegate = std::make_unique<AppDelegate>("x", fake->services());
        delegate->applicationDidFinishLaunching();
    }

    void cleanup() {
        delegate.reset();
        fake.reset();
    }

    void startUpRegisters() { QCOMPARE(sessionDocument(), R"({"instances":["default","x"]})"); }

    void quitAppSavesAndUnregistersOnlyThisBanner() {
        SessionManager().save({"default", "x", "ticker", "x"});
        delegate->settings().text = "changed just now";
        delegate->quitApp();
        QCOMPARE(sessionDocument(), R"({"instances":["default","ticker"]})");
        QCOMPARE(BannerSettings::load(fake->preferences, "x").text,
                 QStringLiteral("changed just now"));
    }

    void newBanner_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QList<QStringList>>("started");
        QTest::newRow("trimmed") << std::optional<QString>("  ticker \n")
                                 << QList<QStringList>{{"ticker"}};
        QTest::newRow("inner space and slash kept")
            << std::optional<QString>("side info/2") << QList<QStringList>{{"side info/2"}};
        QTest::newRow("only spaces") << std::optional<QString>("   ") << QList<QStringList>{};
        QTest::newRow("cancelled") << std::optional<QString>() << QList<QStringList>{};
    }

    void newBanner() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QList<QStringList>, started);
        fake->dialogs.answer = answer;
        delegate->newBannerInstance();
        QCOMPARE(fake->processes.started, started);
        QVERIFY(fake->dialogs.alerts.isEmpty());
        QCOMPARE(fake->dialogs.prompts.first().text, QString()); // the field starts empty
    }

    void failedLaunchIsReported() {
        fake->processes.failStarts = true;
        SessionManager().save({"a", "b"});
        delegate->restoreSession();
        QCOMPARE(fake->dialogs.alerts,
                 QStringList(2, "Failed to launch banner | No such file or directory"));
    }

    void quickLaunchPreparesSettingsFirst() {
        BannerSettings earlier;
        earlier.instanceId = "banner-dell-u2720q";
        earlier.fontSize = 30;
        earlier.position = BannerPosition::bottomLeft;
        earlier.save(fake->preferences);

        delegate->quickLaunchOnDisplay(1, QStringLiteral("dell-u2720q"));
        const BannerSettings s = BannerSettings::load(fake->preferences, "banner-dell-u2720q");
        QCOMPARE(s.screenIndex, 1);
        QCOMPARE(s.screenName, QStringLiteral("DELL U2720Q"));
        QCOMPARE(s.position, BannerPosition::top);
        QCOMPARE(s.textAlign, TextAlign::center);
        QCOMPARE(s.text, QStringLiteral("Banner on DELL U2720Q"));
        QCOMPARE(s.fontSize, 30.0); // the rest as it was
        QCOMPARE(fake->processes.started, QList<QStringList>{{"banner-dell-u2720q"}});
    }

    void quickLaunchOnAnUnpluggedDisplay() {
        delegate->quickLaunchOnDisplay(5, QStringLiteral("hdmi-1"));
        const BannerSettings s = BannerSettings::load(fake->preferences, "banner-hdmi-1");
        QCOMPARE(s.screenIndex, 5);
        QCOMPARE(s.screenName, QStringLiteral("hdmi-1"));
        QCOMPARE(s.text, QStringLiteral("Banner on hdmi-1"));
        QCOMPARE(fake->processes.started.size(), 1);

        delegate->quickLaunchOnDisplay(0, QVariant(42)); // not a string: nothing
        delegate->quickLaunchOnDisplay(0, QVariant());
        QCOMPARE(fake->processes.started.size(), 1);
    }

    void quitAllEndsEveryBannerThisOneLast() {
        SessionManager().save({"default", "x", "ticker"});
        const QByteArray before = sessionDocument();
        fake->processes.table = QList<BannerProcess>{
            {100, {"vorlane", "x"}}, {200, {"vorlane"}}, {300, {"vorlane", "ticker"}}};
        delegate->settings().opacity = 0.3;
        delegate->quitAllBanners();
        QCOMPARE(fake->processes.terminated, (QList<qint64>{200, 300, 100}));
        QCOMPARE(BannerSettings::load(fake->preferences, "x").opacity, 0.3);
        QCOMPARE(sessionDocument(), before);
    }

    void restoreStartsEveryListedBanner() {
        SessionManager().save({"default", "x", "ticker", "default"});
        delegate->restoreSession();
        QCOMPARE(fake->processes.started,
                 (QList<QStringList>{{"default"}, {"x"}, {"ticker"}, {"default"}}));
        QVERIFY(fake->dialogs.alerts.isEmpty());
    }

    void saveCurrentSession() {
        QFile::remove(SessionManager::defaultSessionFile());
        delegate->saveCurrentSession();
        QCOMPARE(sessionDocument(), R"({"instances":["default"]})");
        QCOMPARE(fake->dialogs.alerts, QStringList{"Session Saved | Saved 1 banner(s): default"});

        SessionManager().save({"default", "ticker"});
        delegate->saveCurrentSession();
        QCOMPARE(fake->dialogs.alerts.last(),
                 QStringLiteral("Session Saved | Saved 2 banner(s): default, ticker"));
    }

    void saveCurrentSessionReportsAFailedWrite() {
        // A folder where the document should be: it cannot be replaced.
        QFile::remove(SessionManager::defaultSessionFile());
        QDir().mkpath(SessionManager::defaultSessionFile() + "/blocked");
        delegate->saveCurrentSession();
        QCOMPARE(fake->dialogs.alerts.size(), 1);
        QVERIFY2(fake->dialogs.alerts.first().startsWith("Session Not Saved | "),
                 qPrintable(fake->dialogs.alerts.first()));
    }

    void runningBannerRows_data() {
        QTest::addColumn<std::optional<QList<BannerProcess>>>("table");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("labels")
            << std::optional(QList<BannerProcess>{{4242, {"/usr/bin/vorlane", "ticker"}},
                                                  {4243, {"/usr/bin/vorlane"}},
                                                  {4244, {"vorlane", "side info", "extra"}}})
            << QStringList{"  ticker (PID 4242)", "  default (PID 4243)", "  side info (PID 4244)"};
        QTest::newRow("cannot be read")
            << std::optional<QList<BannerProcess>>() << QStringList{"  x (this)"};
        QTest::newRow("none found")
            << std::optional(QList<BannerProcess>{}) << QStringList{"  x (this)"};
    }

    void runningBannerRows() {
        QFETCH(std::optional<QList<BannerProcess>>, table);
        QFETCH(QStringList, rows);
        fake->processes.table = table;
        QCOMPARE(delegate->runningBannerRows(), rows);
    }

    void processTableParsing() {
        QCOMPARE(ProcFsProcesses::parseCmdline(QByteArray("vorlane\0side info\0", 18)),
                 (QStringList{"vorlane", "side info"}));
        QCOMPARE(ProcFsProcesses::parseCmdline(QByteArray("vorlane\0\0", 9)),
                 (QStringList{"vorlane", ""}));
        QCOMPARE(ProcFsProcesses::parseCmdline(QByteArray()), QStringList{});
        // This very process runs the test binary, not the banner: not listed.
        ProcFsProcesses processes(qEnvironmentVariable("VORLANE_BINARY"));
        const auto banners = processes.bannerProcesses();
        QVERIFY(banners.has_value());
        for (const BannerProcess& b : *banners)
            QVERIFY(b.pid != QCoreApplication::applicationPid());
    }
};

VORLANE_TEST_MAIN(InstanceCommandsTest)
#include "tst_instancecommands.moc"
