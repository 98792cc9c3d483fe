// The settings document, its store, and hex colours.
#include "platform/SettingsFiles.h"
#include "settings/BannerSettings.h"
#include "settings/HexColor.h"
#include "settings/LiveSettings.h"
#include "support/TestEnvironment.h"

#include <sys/stat.h>
#include <unistd.h>

class SettingsTest : public QObject {
    Q_OBJECT
    static RgbColor rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }
    static QString folder() { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/vorlane"; }
    static void writeEntry(const QString& id, const QByteArray& bytes) {
        QVERIFY(writeFile(SettingsFiles().filePath("VorlaneSettings_" + id), bytes));
    }
    static ino_t inode(const QString& path) {
        struct stat s {};
        return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? s.st_ino : 0;
    }

private slots:
    void init() { QDir(folder()).removeRecursively(); }

    void decodingAndRoundTrip() {
        // A missing alignment reads as left, unlike a new object's centre.
        BannerSettings left;
        left.textAlign = TextAlign::left;
        BannerSettings kept; // as written: no range is checked
        kept.text = QStringLiteral("PRODUCTION \u00e9 \"quoted\"");
        kept.bgColorHex = QStringLiteral("not a colour");
        kept.fontSize = 17.25;
        kept.position = BannerPosition::topLeft;
        kept.textAlign = TextAlign::right;
        kept.opacity = 5;
        kept.showCPU = kept.reserveSpace = false;
        kept.screenIndex = std::numeric_limits<qint64>::max();
        kept.imagePath = QString();
        kept.otherKeys.insert("instanceId", "x"); // not ours to read, kept to write back
        for (const auto& [json, expected] :
             std::initializer_list<std::pair<QByteArray, BannerSettings>>{
                 {"{}", left},
                 {R"({"text":null,"textAlign":null,"imagePath":null})", left},
                 {R"({"position":"topLeft","textAlign":"right","opacity":5,"showCPU":false,)"
                  R"("reserveSpace":false,"screenIndex":9223372036854775807,"fontSize":17.25,)"
                  "\"text\":\"PRODUCTION \\u00e9 \\\"quoted\\\"\",\"bgColorHex\":\"not a colour\","
                  R"("imagePath":"","instanceId":"x"})",
                  kept}}) {
            QCOMPARE(BannerSettings::fromJsonBytes(json)->toJsonBytes(), expected.toJsonBytes());
        }
        kept.instanceId = QStringLiteral("own"); // from the command line, never stored
        QVERIFY(!kept.toJsonBytes()->contains("own") && !kept.toJsonBytes()->contains('\n'));
        kept.opacity = qQNaN(); // JSON has no NaN: nothing to write
        QCOMPARE(kept.toJsonBytes(), std::nullopt);
        for (const char* bad :
             {R"({"position":"Top"})", R"({"textAlign":" left"})", R"({"fontSize":"13"})",
              R"({"showCPU":1})", R"({"screenIndex":1.5})", R"({"screenIndex":1e30})",
              R"({"text":5})", R"({"imagePath":{}})", "[1,2]", "{text:", ""})
            QVERIFY2(!BannerSettings::fromJsonBytes(bad), bad);
    }

    void everyIdentifierHasAFileOfItsOwn() {
        // Identifiers a file name cannot hold as they are, or that a naive
        // mapping would fold together; and long ones.
        QStringList ids = QString(" |default|Default|a/b|a//b|a/|/a|a\\b|a%2Fb|a%b|.|..|\u00e9|"
                                  "e\u0301|x\ny|\x01|%-")
                              .split(u'|');
        // File names of 248 bytes (the longest with room for a temporary's), 249, 255, more.
        for (const int length : {0, 227, 228, 234, 4096})
            ids << QString(length, u'x');
        SettingsFiles store;
        for (const QString& id : ids) {
            BannerSettings s;
            s.instanceId = id;
            s.text = "text of <" + id + ">";
            QCOMPARE(s.save(store, Flush::toDisk), std::nullopt);
        }
        SettingsFiles otherProcess;
        for (const QString& id : ids) // names and their way back: the fuzz target
            QCOMPARE(BannerSettings::load(otherProcess, id).text, "text of <" + id + ">");
        QCOMPARE(QDir(folder()).entryList(QDir::Files).size(), ids.size());
        QVERIFY(QFile::exists(folder() + "/VorlaneSettings_" + QString(227, u'x') + ".json"));
    }

    void writesOnlyWhatChangedAndKeepsUnknownKeys() {
        // A file as a person wrote it stays so until something changes, and
        // an edit not read yet is applied, never saved over.
        const QByteArray byHand = "{\n  \"text\": \"mine\", \"future\": [1, 2]\n}\n";
        writeEntry("x", "{}");
        SettingsFiles store;
        LiveSettings live(store, "x");
        const QString path = store.filePath("VorlaneSettings_x");
        writeEntry("x", byHand);
        live.settings().fontSize = 30;
        QCOMPARE(live.save(), std::nullopt);
        QCOMPARE(live.settings().text, "mine");
        QCOMPARE(readFile(path), byHand);
        live.settings().fontSize = 20;
        live.save();
        QVERIFY(readFile(path).contains("\"future\":[1,2]"));
        const ino_t first = inode(path);
        live.settings().save(store, Flush::toDisk); // the same bytes: not written again
        QCOMPARE(inode(path), first);
        QCOMPARE(BannerSettings::load(store, "x").fontSize, 20.0);
        QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{"VorlaneSettings_x.json"});
    }

    void unreadableEntriesAreKeptAside() {
        // Also under the longest plain name, and under a hashed one.
        for (const QString& id : {QString("bad"), QString(227, u'x'), QString(300, u'h')})
            for (const QByteArray& bad : {QByteArray(R"({"position":"Top","text":"mine"})"),
                                          QByteArray("\x01\x02garbage"), QByteArray("[]")}) {
                QDir(folder()).removeRecursively();
                writeEntry(id, bad);
                SettingsFiles store;
                QString said;
                const BannerSettings s = BannerSettings::load(store, id, &said);
                QCOMPARE(s.toJsonBytes(), BannerSettings{}.toJsonBytes());
                const QStringList copies = QDir(folder()).entryList({"*.unreadable-*"});
                QCOMPARE(copies.size(), 1);
                QCOMPARE(readFile(folder() + "/" + copies[0]), bad);
                QVERIFY(said.endsWith("kept as " + folder() + "/" + copies[0]));
            }
    }

    void changesFromOutsideAreFollowed() {
        // Outside writes, 50 ms apart (renamed, to a folder the banner made; else
        // in place); the text then shown, or "kept": kept aside, said once, as was.
        for (const auto& [renamed, writes, shown] :
             std::initializer_list<std::tuple<bool, QByteArrayList, QString>>{
                 {true, {"{\"text\":\"renamed\"}"}, "renamed"},
                 {false, {"{\"text\":\"ha", "{\"text\":\"whole\"}"}, "whole"},
                 {false, {"{\"text\":\"broken"}, "kept"}}) {
            if (!renamed)
                writeEntry("live", "{\"text\":\"start\"}");
            SettingsFiles store;
            const QString path = store.filePath("VorlaneSettings_live");
            LiveSettings live(store, "live");
            QSignalSpy reloaded(&live, &LiveSettings::reloaded),
                said(&live, &LiveSettings::problem);
            live.follow();
            live.settings().fontSize = 30;
            QCOMPARE(live.save(), std::nullopt); // its own write is no change
            for (const QByteArray& bytes : writes) {
                QVERIFY(renamed ? !writeFileAtomically(path, bytes) : writeFile(path, bytes));
                QTest::qWait(50);
            }
            const bool kept = shown == "kept";
            QTRY_COMPARE_WITH_TIMEOUT(reloaded.size() + said.size(), 1, 2000);
            QTest::qWait(3 * LiveSettings::retryMs);
            QCOMPARE(said.size(), kept ? 1 : 0);
            QCOMPARE(live.settings().text, kept ? "start" : shown);
            QCOMPARE(live.settings().fontSize, kept ? 30 : 13);
            QCOMPARE(QDir(folder()).entryList({"*.unreadable-*"}).size(), kept ? 1 : 0);
            QDir(folder()).removeRecursively();
        }
    }

    void staleTemporaryFilesAreRemoved() { // left by saves that were killed
        const QStringList names{"VorlaneSettings_x.json.Ab12Cd", "session.json.x9Y8z7",
                                "VorlaneSettings_y.json.Zz99Zz", "notes.json.backup"};
        for (const QString& name : names) {
            QFile file(folder() + "/" + name);
            QVERIFY(writeFile(file.fileName(), "") && file.open(QIODevice::Append));
            file.setFileTime(QDateTime::currentDateTime().addSecs(name.contains("_y") ? 0 : -601),
                             QFileDevice::FileModificationTime); // y: a save under way
        }
        SettingsFiles().removeStaleTemporaries(); // ten minutes old, of the program's own names
        QCOMPARE(QDir(folder()).entryList(QDir::Files, QDir::Name), names.mid(2));
    }

    void carriedOverFromTheSharedFileOnce() {
        QDir().mkpath(folder());
        const QString ini = folder() + "/vorlane.conf";
        QVERIFY(QFile::copy(testDataPath("vorlane.conf"), ini));
        writeEntry("kept", R"({"text":"newer"})");
        const QByteArray before = readFile(ini);
        SettingsFiles store;
        store.carryOverFrom(ini);
        QCOMPARE(BannerSettings::load(store, "a/b").text, QStringLiteral("old"));
        QCOMPARE(BannerSettings::load(store, "kept").text, QStringLiteral("newer"));
        QFile::remove(store.filePath("VorlaneSettings_a/b"));
        store.carryOverFrom(ini); // once only
        QVERIFY(!QFile::exists(store.filePath("VorlaneSettings_a/b")));
        QCOMPARE(readFile(ini), before);
    }

    void failedWritesLeaveTheFileAsItWas() {
        QVERIFY(writeFileAtomically(folder() + "/none/x.json", "{}")
                    ->startsWith(folder() + "/none/x.json"));
        // A full disk: a small file system of its own, filled up. Mounted in
        // a user namespace where one may be made, else as root.
        QStringList command;
        if (QProcess::execute("unshare", {"-Urm", "true"}) == 0)
            command = QStringList{"-Urm", "sh"};
        else if (::geteuid() != 0)
            QSKIP("No small file system to fill: user namespaces are not allowed, and not root");
        QDir().mkpath(folder());
        QProcess full;
        full.start(command.isEmpty() ? "sh" : "unshare",
                   command + QStringList{"-c",
                                         "mount -t tmpfs -o size=16k tmpfs \"$1\" && (cd \"$1\" && "
                                         "printf '{\"instances\":[\"a\"]}' > session.json && "
                                         "head -c 100000 /dev/zero > filler 2>/dev/null; "
                                         "\"$2\" x & sleep 2; kill -TERM $! && wait $!; "
                                         "cat session.json; echo; ls); umount \"$1\"",
                                         "sh", folder(), qEnvironmentVariable("VORLANE_BINARY")});
        QVERIFY(full.waitForFinished(20000));
        const QString out = QString::fromUtf8(full.readAllStandardOutput());
        const QString errors = QString::fromUtf8(full.readAllStandardError());
        // Not a byte changed, no temporary file left behind.
        QCOMPARE(out, "{\"instances\":[\"a\"]}\nfiller\nsession.json\n");
        QVERIFY2(
            errors.contains("were not saved: " + folder() + "/VorlaneSettings_x.json: No space"),
            qPrintable(errors));
    }

    void hexColours() {
        for (const auto& [hex, expected] : std::initializer_list<std::pair<QString, RgbColor>>{
                 {" \t1A1A2E\n", rgb255(26, 26, 46)},
                 {"#a0fF0b", rgb255(160, 255, 11)},
                 {"+FFFFF", rgb255(15, 255, 255)}, // the sign counts as a character
                 {"-00000", rgb255(0, 0, 0)}})
            QCOMPARE(colorFromHex(hex), expected);
        for (const QString bad :
             {"-00001", "#FFF", "#FF00FF80", "##123456", "#12 456", "#12345\u0664"})
            QCOMPARE(colorFromHex(bad), fallbackGrey);
        QCOMPARE(hexString(RgbColor{0.999, 0, 1, 0.2}), QStringLiteral("#FE00FF"));  // truncated
        QCOMPARE(hexString(RgbColor{1.7, 0.5, -0.3, 1}), QStringLiteral("#FF7F00")); // clamped
        for (int k = 0; k < 256; ++k) { // as the colour dialog hands them back
            const QString hex = hexString(rgb255(k, 255 - k, k));
            QCOMPARE(hexString(toQColor(colorFromHex(hex))), hex);
        }
        QCOMPARE(hexString(QColor()), QStringLiteral("#888888"));
    }
};

VORLANE_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
