// The session document, and the commands that reach beyond one banner:
// launching, quick launch, quit all, restore and save, on fakes.
#include "fakes/FakePlatform.h"
#include "instances/RunningBanners.h"
#include "instances/SessionManager.h"
#include "platform/ProcFsProcesses.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
QByteArray session() {
    return readFile(SessionManager::defaultSessionFile());
}
void writeSession(const QByteArray& content) {
    QFile::remove(SessionManager::defaultSessionFile());
    if (content == "<none>")
        return;
    QDir().mkpath(QFileInfo(SessionManager::defaultSessionFile()).path());
    QFile f(SessionManager::defaultSessionFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}
} // namespace

class InstancesTest : public QObject {
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
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        for (const char* unusable :
             {"<none>", "", "instances: ticker", R"(["ticker"])", R"({"instances":"ticker"})",
              R"({"instances":["a",1]})", R"({"instances":[]})"})
            QTest::newRow(unusable) << QByteArray(unusable) << QStringList{"default"};
        QTest::newRow("order, duplicates and spaces kept")
            << QByteArray(R"( {"instances":["ticker"," side info ","ticker"],"v":2} )")
            << QStringList{"ticker", " side info ", "ticker"};
    }

    void reading() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        writeSession(content);
        QCOMPARE(SessionManager().load(), expected);
    }

    void changes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first start of ticker")
            << QByteArray("<none>") << "add"
            << "ticker" << QByteArray(R"({"instances":["default","ticker"]})");
        QTest::newRow("damaged document rewritten")
            << QByteArray("{garbage") << "add"
            << "default" << QByteArray(R"({"instances":["default"]})");
        QTest::newRow("listed already: normal form")
            << QByteArray("{ \"instances\" : [ \"a\" , \"b\" ] }\n") << "add"
            << "a" << QByteArray(R"({"instances":["a","b"]})");
        QTest::newRow("spaces are not trimmed")
            << QByteArray(R"({"instances":["ticker"]})") << "add"
            << " ticker" << QByteArray(R"({"instances":["ticker"," ticker"]})");
        QTest::newRow("canonically equal is listed")
            << QByteArray("{\"instances\":[\"caf\xc3\xa9\"]}") << "add"
            << QString::fromUtf8("cafe\xcc\x81") << QByteArray("{\"instances\":[\"caf\xc3\xa9\"]}");
        QTest::newRow("remove every occurrence")
            << QByteArray(R"({"instances":["a","x","b","x"]})") << "remove"
            << "x" << QByteArray(R"({"instances":["a","b"]})");
        QTest::newRow("remove canonically equal")
            << QByteArray("{\"instances\":[\"a\",\"cafe\xcc\x81\"]}") << "remove"
            << QString::fromUtf8("caf\xc3\xa9") << QByteArray(R"({"instances":["a"]})");
    }

    void changes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, operation);
        QFETCH(QString, id);
        QFETCH(QByteArray, after);
        writeSession(before);
        if (operation == "add")
            SessionManager().addInstance(id);
        else
            SessionManager().removeInstance(id);
        QCOMPARE(session(), after);
        // Nothing is left behind: no temporary file; the lock is released.
        QCOMPARE(QDir(SessionManager().sessionDir()).entryList(QDir::Files),
                 QStringList{"session.json"});
    }

    void startUpRegistersAndQuitUnregistersOnlyThisBanner() {
        delegate->applicationDidFinishLaunching();
        QCOMPARE(session(), R"({"instances":["default","x"]})");
        SessionManager().save({"default", "x", "ticker", "x"});
        delegate->settings().text = "changed just now";
        delegate->quitApp();
        QCOMPARE(session(), R"({"instances":["default","ticker"]})");
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
        QCOMPARE(fake->dialogs.prompts.first().text, QString()); // the field starts empty
    }

    void quickLaunchPreparesSettingsFirst() {
        BannerSettings earlier;
        earlier.instanceId = "banner-dell-u2720q";
        earlier.fontSize = 30;
        earlier.position = BannerPosition::bottomLeft;
        earlier.save(fake->preferences);
        delegate->quickLaunchOnDisplay(1, QStringLiteral("dell-u2720q"));
        BannerSettings expected = earlier;
        expected.screenIndex = 1;
        expected.screenName = "DELL U2720Q";
        expected.position = BannerPosition::top;
        expected.textAlign = TextAlign::center;
        expected.text = "Banner on DELL U2720Q";
        QCOMPARE(BannerSettings::load(fake->preferences, "banner-dell-u2720q").toJsonBytes(),
                 expected.toJsonBytes());
        // An unplugged display: the item's string names it.
        delegate->quickLaunchOnDisplay(5, QStringLiteral("hdmi-1"));
        QCOMPARE(BannerSettings::load(fake->preferences, "banner-hdmi-1").text,
                 QStringLiteral("Banner on hdmi-1"));
        delegate->quickLaunchOnDisplay(0, std::nullopt); // no string: nothing
        QCOMPARE(fake->processes.started,
                 (QList<QStringList>{{"banner-dell-u2720q"}, {"banner-hdmi-1"}}));
    }

    void quitAllEndsEveryBannerThisOneLast() {
        fake->processes.table = QList<BannerProcess>{
            {100, {"vorlane", "x"}}, {200, {"vorlane"}}, {300, {"vorlane", "ticker"}}};
        delegate->applicationDidFinishLaunching();
        SessionManager().save({"default", "x", "ticker"});
        const QByteArray before = session();
        delegate->settings().opacity = 0.3;
        delegate->quitAllBanners();
        QCOMPARE(fake->processes.terminated, (QList<qint64>{200, 300, 100}));
        QCOMPARE(BannerSettings::load(fake->preferences, "x").opacity, 0.3);
        QCOMPARE(session(), before);
    }

    void restoreAndSaveTheSession() {
        SessionManager().save({"default", "x", "ticker", "default"});
        delegate->restoreSession();
        QCOMPARE(fake->processes.started,
                 (QList<QStringList>{{"default"}, {"x"}, {"ticker"}, {"default"}}));
        fake->processes.failStarts = true;
        SessionManager().save({"a"});
        delegate->restoreSession();
        delegate->saveCurrentSession();
        QCOMPARE(fake->dialogs.alerts,
                 (QStringList{"Failed to launch banner | No such file or directory",
                              "Session Saved | Saved 1 banner(s): a"}));
        // A folder where the document should be: it cannot be replaced.
        QFile::remove(SessionManager::defaultSessionFile());
        QDir().mkpath(SessionManager::defaultSessionFile() + "/blocked");
        delegate->saveCurrentSession();
        QVERIFY(fake->dialogs.alerts.last().startsWith("Session Not Saved | "));
    }

    void runningBanners() {
        const auto rows =
            runningBannerRows(QList<BannerProcess>{{4242, {"/usr/bin/vorlane", "ticker"}},
                                                   {4243, {"/usr/bin/vorlane"}},
                                                   {4244, {"vorlane", "50%1off", "extra"}}},
                              "x");
        QCOMPARE(rows, (QStringList{"  ticker (PID 4242)", "  default (PID 4243)",
                                    "  50%1off (PID 4244)"}));
        QCOMPARE(runningBannerRows(std::nullopt, "x"), QStringList{"  x (this)"});
        QCOMPARE(runningBannerRows(QList<BannerProcess>{}, "x"), QStringList{"  x (this)"});
        QCOMPARE(ProcFsProcesses::parseCmdline(QByteArray("vorlane\0side info\0", 18)),
                 (QStringList{"vorlane", "side info"}));
        QCOMPARE(ProcFsProcesses::parseCmdline(QByteArray("vorlane\0\0", 9)),
                 (QStringList{"vorlane", ""}));
    }
};

VORLANE_TEST_MAIN(InstancesTest)
#include "tst_instances.moc"
