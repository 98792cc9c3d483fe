// A script edits a real banner's settings file hundreds of times, by rename
// and in place, at random moments, while the banner saves through menu
// commands and is ended (SIGTERM, SIGINT or SIGHUP, which save, or SIGKILL)
// and started again. No edit that completed may be lost, the file must
// always parse, files the program did not make stay, and the old shared file
// is carried over. VORLANE_TORTURE_SECONDS sets the length;
// VORLANE_STALL_PINGER (bench/event_loop_stalls) times the banner's stalls.
#include "menus/MenuRenderer.h"
#include "settings/BannerSettings.h"
#include "support/DesktopSession.h"
#include "support/MenuRows.h"

#include <QJsonDocument>
#include <QRandomGenerator>

#include <atomic>
#include <csignal>
#include <thread>

class TortureTest : public QObject {
    Q_OBJECT
    DesktopSession desktop;
    const QString id = "torture";

    // The script: before each edit it reads the file, which must parse and
    // hold its last edit's text; then text "edit-N", renamed into place or
    // written in place in two parts.
    struct Writer {
        QString path;
        std::atomic<bool> stop = false;
        int edits = 0, inPlace = 0, lost = 0, unparsable = 0, menuChangesSeen = 0;
        void run() {
            auto* random = QRandomGenerator::global();
            while (!stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(random->bounded(5, 60)));
                QJsonObject document = QJsonDocument::fromJson(readFile(path)).object();
                if (document.isEmpty())
                    ++unparsable;
                else if (document.value("text").toString() != QString("edit-%1").arg(edits))
                    ++lost;
                menuChangesSeen += document.value("fontSize").toInt() == 24;
                document.insert("text", QString("edit-%1").arg(edits + 1));
                const QByteArray bytes = QJsonDocument(document).toJson();
                if (random->bounded(2)) {
                    renameInto(path, bytes);
                } else { // truncated, as ">" does, then written in two parts
                    QFile file(path);
                    file.open(QIODevice::WriteOnly);
                    file.write(bytes.left(bytes.size() / 2)), file.flush();
                    std::this_thread::sleep_for(std::chrono::milliseconds(random->bounded(20)));
                    unparsable += file.write(bytes.mid(bytes.size() / 2)) < 0 || !file.flush();
                    ++inPlace;
                }
                ++edits;
            }
        }
    };

    // A right click on the banner and the keys to a row, once it is on screen.
    bool choose(QProcess& banner, const QString& path) {
        const auto window = desktop.windowOfProcess(banner.processId());
        if (!window || !desktop.isMapped(*window))
            return false;
        const auto menu = renderMenu(contextMenuModel({{}, {}, {}, false, id}), {});
        const QRect r = desktop.geometry(*window);
        return desktop.xdotool({"mousemove", QString::number(r.left() + 150),
                                QString::number(r.center().y()), "click", "3"}) &&
               desktop.menuOf(banner.processId()) &&
               desktop.xdotool(
                   QString("key --delay 30 " + menuRow(*menu, path).keys.join(' ') + " Return")
                       .split(' '));
    }

private slots:
    void initTestCase() { QVERIFY(desktop.start()); }

    void completedEditsAreNeverLost() {
        const QString folder = SettingsFiles::defaultFolder();
        // Names a person may give files, old enough to look like leftovers;
        // a save's temporary left by a kill, and one of a save under way.
        const QStringList decoys{"notes.json.backup", "VorlaneSettings_torture.json.before",
                                 "session.json.orig01", ".vorlane-save-Zz99Zz"};
        for (const QString& name : decoys + QStringList{".vorlane-save-Ab12Cd"}) {
            QFile file(folder + "/" + name);
            QVERIFY(writeFile(file.fileName(), "{}") && file.open(QIODevice::Append));
            file.setFileTime(QDateTime::currentDateTime().addSecs(name.contains("Zz") ? 0 : -601),
                             QFileDevice::FileModificationTime);
        }
        QVERIFY(QFile::copy(testDataPath("vorlane.conf"), folder + "/vorlane.conf"));
        Writer writer;
        writer.path = SettingsFiles().filePath("VorlaneSettings_" + id);
        QVERIFY(writeFile(writer.path, R"({"text":"edit-0"})"));
        std::thread script(&Writer::run, &writer);
        QElapsedTimer clock;
        clock.start();
        const int seconds = qEnvironmentVariableIntValue("VORLANE_TORTURE_SECONDS");
        int menuSaves = 0, restarts = 0, longestStall = 0;
        QByteArray said;
        while (clock.elapsed() < 1000 * (seconds ? seconds : 35)) {
            QProcess banner, pinger;
            banner.setProcessEnvironment(desktop.environment());
            banner.start(qEnvironmentVariable("VORLANE_BINARY"), {id});
            QVERIFY(
                QTest::qWaitFor([&] { return choose(banner, "Text Alignment > Center"); }, 10000));
            pinger.setProcessEnvironment(desktop.environment());
            if (!qEnvironmentVariable("VORLANE_STALL_PINGER").isEmpty())
                pinger.start(qEnvironmentVariable("VORLANE_STALL_PINGER"),
                             {"3", QString::number(banner.processId())});
            for (const char* row : {"Text Alignment > Right", "Font Size > 24 pt",
                                    "Text Alignment > Left", "Font Size > 20 pt"})
                menuSaves += choose(banner, row);
            // Ended as a desktop session ends it, which saves, or killed.
            const int signal = std::array{SIGTERM, SIGINT, SIGHUP, SIGKILL}[restarts++ % 4];
            ::kill(pid_t(banner.processId()), signal);
            QVERIFY(banner.waitForFinished(5000));
            QVERIFY(signal == SIGKILL ||
                    (banner.exitStatus() == QProcess::NormalExit && banner.exitCode() == 0));
            said += banner.readAllStandardError();
            pinger.waitForFinished(10000); // unless it has ended already
            static const QRegularExpression stall("longest stall (\\d+)");
            const QString pinged = pinger.isOpen() ? pinger.readAllStandardOutput() : "";
            longestStall = std::max(longestStall, stall.match(pinged).captured(1).toInt());
        }
        writer.stop = true;
        script.join();
        qInfo(
            "%d edits (%d in place), %d menu commands, %d ends and starts: %d lost, %d unparsable "
            "reads, %zu files kept aside; longest stall %d ms",
            writer.edits, writer.inPlace, menuSaves + restarts, restarts, writer.lost,
            writer.unparsable, size_t(QDir(folder).entryList({"*.unreadable-*"}).size()),
            longestStall);
        QVERIFY2(said.isEmpty(), said.constData());
        QCOMPARE(writer.lost + writer.unparsable, 0);
        QVERIFY(writer.menuChangesSeen > 0); // the menu's saves reached the file
        QCOMPARE(QJsonDocument::fromJson(readFile(writer.path))["text"].toString(),
                 QString("edit-%1").arg(writer.edits));
        for (const QString& name : decoys)
            QVERIFY2(QFile::exists(folder + "/" + name), qPrintable(name));
        QVERIFY(!QFile::exists(folder + "/.vorlane-save-Ab12Cd"));
        QVERIFY(readFile(folder + "/VorlaneSettings_a%2Fb.json").contains("\"old\""));
    }
};

VORLANE_TEST_MAIN(TortureTest)
#include "tst_torture.moc"
