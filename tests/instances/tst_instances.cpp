// The session document, and the commands that reach beyond one banner:
// launching, quick launch, quit all, restore and save, on fakes.
#include "fakes/FakePlatform.h"
#include "instances/BannerFleet.h"
#include "instances/RunningBanners.h"
#include "instances/SessionManager.h"
#include "platform/ProcFsTable.h"
#include "support/Choose.h"
#include "support/TestEnvironment.h"

#include <QLockFile>

class InstancesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<BannerApp> app;
    static QByteArray session() { return readFile(SessionManager::defaultSessionFile()); }
    static void writeSession(const QByteArray& content) {
        QFile::remove(SessionManager::defaultSessionFile());
        if (content != "<none>")
            QVERIFY(writeFile(SessionManager::defaultSessionFile(), content));
    }

private slots:
    void init() {
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively();
        fake = std::make_unique<FakePlatform>();
        fake->screens.setLayout("eDP-1=1440x900+0+0,DELL U2720Q=2560x1440+1440+0");
        app = std::make_unique<BannerApp>("x", fake->services());
    }

    void reading() {
        for (const char* unusable :
             {"<none>", "", R"(["ticker"])", R"({"instances":["a",1]})", R"({"instances":[]})"}) {
            writeSession(unusable);
            QCOMPARE(SessionManager().load(), QStringList{"default"});
        }
        writeSession(R"( {"instances":["ticker"," side info ","ticker"],"v":2} )");
        QCOMPARE(SessionManager().load(), (QStringList{"ticker", " side info ", "ticker"}));
    }

    void changes() {
        const QByteArray cafe = "caf\xc3\xa9", cafeNfd = "cafe\xcc\x81";
        for (const auto& [before, add, id, after] :
             std::initializer_list<std::tuple<QByteArray, bool, QString, QByteArray>>{
                 {"<none>", true, "ticker", R"({"instances":["default","ticker"]})"},
                 {"{garbage", true, "default", R"({"instances":["default"]})"},
                 {"{ \"instances\" : [ \"a\" , \"b\" ] }\n", true, "a",
                  R"({"instances":["a","b"]})"},
                 {R"({"instances":["ticker"]})", true, " ticker",
                  R"({"instances":["ticker"," ticker"]})"}, // spaces are not trimmed
                 // Canonically equal identifiers are the same.
                 {"{\"instances\":[\"" + cafe + "\"]}", true, QString::fromUtf8(cafeNfd),
                  "{\"instances\":[\"" + cafe + "\"]}"},
                 {R"({"instances":["a","x","b","x"]})", false, "x", R"({"instances":["a","b"]})"},
                 {"{\"instances\":[\"a\",\"" + cafeNfd + "\"]}", false, QString::fromUtf8(cafe),
                  R"({"instances":["a"]})"}}) {
            QDir(SessionManager().sessionDir()).removeRecursively();
            writeSession(before);
            const auto change =
                add ? SessionManager().addInstance(id) : SessionManager().removeInstance(id);
            QCOMPARE(session(), after);
            // Nothing is left behind: no temporary file; the lock is released;
            // a document that did not read is kept aside.
            QStringList files = QDir(SessionManager().sessionDir()).entryList(QDir::Files);
            QCOMPARE(files.takeFirst(), QStringLiteral("session.json"));
            QCOMPARE(files.size(), before == "{garbage" ? 1 : 0);
            if (!files.isEmpty())
                QCOMPARE(readFile(change.keptAside), before);
        }
    }

    void locks() {
        writeSession(R"({"instances":["a"]})");
        QFile lock(SessionManager::defaultSessionFile() + ".lock"); // left empty by a crash
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                         QFileDevice::FileModificationTime);
        lock.close();
        QCOMPARE(SessionManager().addInstance("b").outcome, SessionManager::Change::done);
        QVERIFY(!lock.exists()); // taken over, then released
        QCOMPARE(session(), R"({"instances":["a","b"]})");
        // Held by a live banner: start-up goes on at once; it registers once the lock is free.
        QLockFile held(lock.fileName());
        QVERIFY(held.lock());
        QCOMPARE(SessionManager().addInstance("c").outcome, SessionManager::Change::busy);
        app->start();
        QCOMPARE(session(), R"({"instances":["a","b"]})");
        held.unlock();
        QTRY_COMPARE(session(), R"({"instances":["a","b","x"]})");
    }

    void newBanner() {
        app->start();
        for (const std::optional<QString>& answer : std::initializer_list<std::optional<QString>>{
                 "  ticker \n", "side info/2", "   ", {}}) {
            fake->dialogs.answer = answer;
            QVERIFY(choose(*app, "Banners > New Banner..."));
        }
        // Trimmed, inner space and slash kept; nothing for spaces or cancel.
        QCOMPARE(fake->table.started, (QList<QStringList>{{"ticker"}, {"side info/2"}}));
    }

    void quickLaunchPreparesSettingsFirst() {
        (void)fake->preferences.write("VorlaneSettings_banner-dell-u2720q",
                                      R"({"fontSize":30,"position":"bottomLeft"})");
        app->start();
        QSignalSpy said(&app->fleet(), &BannerFleet::problem);
        QVERIFY(choose(*app, "Banners > Quick Launch > New on DELL U2720Q"));
        QCOMPARE(BannerSettings::load(fake->preferences, "banner-dell-u2720q").toJsonBytes(),
                 BannerSettings::fromJsonBytes(
                     R"({"fontSize":30,"screenIndex":1,"screenName":"DELL U2720Q",)"
                     R"("position":"top","textAlign":"center","text":"Banner on DELL U2720Q"})")
                     ->toJsonBytes());
        // An unplugged display: the item's string names it.
        app->perform(fleet::QuickLaunch{2, "hdmi-1"});
        QCOMPARE(BannerSettings::load(fake->preferences, "banner-hdmi-1").text,
                 QStringLiteral("Banner on hdmi-1"));
        QCOMPARE(fake->table.started,
                 (QList<QStringList>{{"banner-dell-u2720q"}, {"banner-hdmi-1"}}));
        QVERIFY(said.isEmpty()); // the files read: nothing to say
    }

    void restoreAndSaveTheSession() {
        app->start();
        QCOMPARE(SessionManager().save({"default", "x", "ticker", "default"}).outcome,
                 SessionManager::Change::done);
        QVERIFY(choose(*app, "Banners > Quick Launch > Restore Saved Session"));
        QCOMPARE(fake->table.started,
                 (QList<QStringList>{{"default"}, {"x"}, {"ticker"}, {"default"}}));
        fake->table.failStarts = true;
        QCOMPARE(SessionManager().save({"a"}).outcome, SessionManager::Change::done);
        QVERIFY(choose(*app, "Banners > Quick Launch > Restore Saved Session"));
        QVERIFY(choose(*app, "Banners > Quick Launch > Save Current Session"));
        QCOMPARE(fake->dialogs.alerts,
                 (QStringList{"Failed to launch banner | No such file or directory",
                              "Session Saved | Saved 1 banner(s): a"}));
        // One another banner holds is left as it is.
        QLockFile held(SessionManager::defaultSessionFile() + ".lock");
        QVERIFY(held.lock());
        QVERIFY(choose(*app, "Banners > Quick Launch > Save Current Session"));
        QVERIFY(fake->dialogs.alerts.last().endsWith("another banner is changing it; try again"));
        held.unlock();
        // A folder where the document should be: it cannot be replaced.
        QFile::remove(SessionManager::defaultSessionFile());
        QDir().mkpath(SessionManager::defaultSessionFile() + "/blocked");
        QVERIFY(choose(*app, "Banners > Quick Launch > Save Current Session"));
        QVERIFY(fake->dialogs.alerts.last().startsWith("Session Not Saved | "));
    }

    void quitAllEndsOnlyThisUsersProcessesOfTheProgramItself() {
        app->start();
        using Table = FakeProcessTable;
        auto& running = fake->table.running;
        const auto process = [](uid_t user, FileIdentity file, bool gone, const QString& name) {
            return Table::Process{{user, file, gone, name}, {name}};
        };
        running[200] = Table::banner({"ticker"});
        running[201] = Table::banner({"theirs"}, Table::user + 1); // another user's
        running[202] = process(Table::user, {8, 1}, false, "/usr/lib/ld-linux.so");     // a wrapper
        running[203] = process(Table::user, {8, 9}, false, Table::path + " (deleted)"); // a copy
        running[204] = process(Table::user, {8, 7}, true, Table::path + " (deleted)");  // rebuilt
        running[205] = Table::banner({"ends meanwhile"});
        running[206] = Table::banner({"ends, its PID taken"});
        fake->table.beforeFirstSignal = [&] {
            running.remove(205);
            running[206] = process(Table::user, {8, 1}, false, "/usr/bin/xterm");
        };
        QVERIFY(choose(*app, "Quit All Banners"));
        QCOMPARE(fake->table.terminated, (QList<qint64>{200, 204, 100})); // this one last
    }

    void runningBanners() {
        const auto rows = runningBannerRows(
            QList<BannerProcess>{{4242, {"/usr/bin/vorlane", "ticker"}},
                                 {4243, {"/usr/bin/vorlane"}},
                                 {4244, {"vorlane", "50%1off", "extra"}},
                                 {4245, {"vorlane", QString::fromUtf8("cafe\xcc\x81")}}},
            "x");
        QCOMPARE(rows, (QStringList{"  ticker (PID 4242)", "  default (PID 4243)",
                                    "  50%1off (PID 4244)", "  caf\u00e9 (PID 4245)"}));
        QCOMPARE(runningBannerRows(std::nullopt, "x"), QStringList{"  x (this)"});
        QCOMPARE(runningBannerRows(QList<BannerProcess>{}, "x"), QStringList{"  x (this)"});
        QCOMPARE(ProcFsTable::parseCmdline(QByteArray("vorlane\0side info\0", 18)),
                 (QStringList{"vorlane", "side info"}));
        QCOMPARE(ProcFsTable::parseCmdline(QByteArray("vorlane\0\0", 9)),
                 (QStringList{"vorlane", ""}));
    }
};

VORLANE_TEST_MAIN(InstancesTest)
#include "tst_instances.moc"
