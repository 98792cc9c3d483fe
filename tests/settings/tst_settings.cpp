// The settings document, its store, and hex colours.
#include "instances/SessionManager.h"
#include "platform/SettingsFiles.h"
#include "settings/BannerSettings.h"
#include "settings/HexColor.h"
#include "settings/LiveSettings.h"
#include "support/TestEnvironment.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class SettingsTest : public QObject {
    Q_OBJECT
    static RgbColor rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }
    static QString folder() { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/vorlane"; }
    static void writeEntry(const QString& id, const QByteArray& bytes) {
        QVERIFY(writeFile(SettingsFiles().filePath("VorlaneSettings_" + id), bytes));
    }
    static struct stat status(const QString& path) {
        struct stat s {};
        ::lstat(QFile::encodeName(path).constData(), &s);
        return s;
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
            QVERIFY(s.save(store).ok());
        }
        SettingsFiles otherProcess;
        for (const QString& id : ids) // names and their way back: the fuzz target
            QCOMPARE(BannerSettings::load(otherProcess, id).text, "text of <" + id + ">");
        QCOMPARE(QDir(folder()).entryList(QDir::Files).size(), ids.size());
        QVERIFY(QFile::exists(folder() + "/VorlaneSettings_" + QString(227, u'x') + ".json"));
        QVERIFY(!QFile::exists(folder() + "/VorlaneSettings_" + QString(228, u'x') + ".json"));
        QVERIFY(QFile::exists(folder() + "/VorlaneSettings_ .json")); // names older files have
    }

    void changesOfTheBannerAndFromOutsideBothCount() {
        // A file as a person wrote it stays so until something changes; an
        // edit not read yet is applied beneath the banner's own change, also
        // when it lands just before the rename.
        const QByteArray byHand = "{\n  \"text\": \"mine\", \"future\": [1, 2]\n}\n";
        writeEntry("x", "{}");
        SettingsFiles store;
        LiveSettings live(store, "x");
        const QString path = store.filePath("VorlaneSettings_x");
        writeEntry("x", byHand);
        QVERIFY(live.save().ok());
        QCOMPARE(readFile(path), byHand);
        live.settings().fontSize = 30;
        QVERIFY(live.save().ok() && live.settings().text == "mine");
        QVERIFY(readFile(path).contains("\"future\":[1,2]") && readFile(path).contains("30"));
        const ino_t first = status(path).st_ino;
        QVERIFY(live.settings().save(store).ok() && status(path).st_ino == first);
        // The last look before the rename finds a script's edit: nothing replaced.
        const QByteArray known = readFile(path);
        int looks = 0;
        const Replaced r = store.folder().replace(QFileInfo(path).fileName(), "{}", [&](auto& now) {
            return looks++ == 0 ? renameInto(path, R"({"text":"late"})") : now.bytes == known;
        });
        QVERIFY(r.outcome == Replaced::Outcome::changedMeanwhile && r.now.bytes.contains("late"));
        // One begun in place in the instant after the last look is put back,
        // so that the rest its writer writes lands in the file.
        QFile half(path);
        looks = 0;
        const Replaced d = store.folder().replace(QFileInfo(path).fileName(), "{}", [&](auto&) {
            return looks++ == 0 || (half.open(QIODevice::WriteOnly) && half.write("{\"text\":"));
        });
        QVERIFY(d.outcome == Replaced::Outcome::changedMeanwhile && half.write("\"late\"}"));
        half.close();
        QCOMPARE(readFile(path), R"({"text":"late"})");
        live.settings().fontSize = 20;
        QVERIFY(live.save().ok() && QFile::remove(path) &&
                live.save().ok()); // removed: written back
        const BannerSettings both = BannerSettings::load(store, "x");
        QVERIFY(both.text == "late" && both.fontSize == 20.0);
        QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{"VorlaneSettings_x.json"});
        // A key the banner dropped (its image removed) stays dropped under an edit from outside.
        live.settings().imagePath = "/a.png";
        QVERIFY(live.save().ok());
        live.settings().imagePath.reset();
        QVERIFY(renameInto(path, R"({"text":"later","imagePath":"/a.png"})") && live.catchUp());
        QVERIFY(!live.settings().imagePath && live.settings().text == "later");
    }

    void unreadableEntriesAreKeptAside() {
        // Also under the longest plain name, and under a hashed one; several
        // within a second each get a copy of their own.
        for (const QString& id : {QString("bad"), QString(227, u'x'), QString(300, u'h')}) {
            QDir(folder()).removeRecursively();
            for (const QByteArray& bad : {QByteArray(R"({"position":"Top","text":"mine"})"),
                                          QByteArray("\x01\x02garbage"), QByteArray("[]")}) {
                writeEntry(id, bad);
                SettingsFiles store;
                QString said;
                const BannerSettings s = BannerSettings::load(store, id, &said);
                QCOMPARE(s.toJsonBytes(), BannerSettings{}.toJsonBytes());
                const QString copy = said.section(" kept as ", 1);
                QVERIFY(copy.startsWith(folder() + "/") && readFile(copy) == bad);
            }
            QCOMPARE(QDir(folder()).entryList({"*.unreadable-*"}).size(), 3);
        }
    }

    void changesFromOutsideAreFollowed() {
        // A script writes in place (shell ">") while the banner saves: the save
        // waits for the rest, at the banner's end too, and both changes stay;
        // a write never finished is kept aside and said once. In a folder the
        // banner made, a later rename is followed.
        for (const auto& [ending, rest] : {std::pair(false, QByteArray(R"("showCPU": false})")),
                                           std::pair(true, QByteArray(R"("showCPU": false})")),
                                           std::pair(false, QByteArray())}) {
            QDir(folder()).removeRecursively();
            SettingsFiles store;
            LiveSettings live(store, "half");
            QSignalSpy said(&live, &LiveSettings::problem);
            live.follow();
            live.settings().fontSize = 30;
            const QString path = store.filePath("VorlaneSettings_half");
            QVERIFY(writeFile(path, R"({"text": "new from script", )"));
            QProcess::startDetached("sh",
                                    {"-c", "sleep 0.3; printf %s \"$1\" >>\"$0\"", path, rest});
            // A running banner's save does not wait for the rest: nothing kept aside yet.
            QVERIFY((ending ? live.saveAtEnd() : live.save()).ok());
            QVERIFY(QDir(folder()).entryList({"*.unreadable-*"}).isEmpty());
            const auto saved = [&] {
                return BannerSettings::fromJsonBytes(readFile(path)).value_or(BannerSettings{});
            };
            QTRY_COMPARE(saved().fontSize, 30.0);
            QVERIFY(saved().text == (rest.isEmpty() ? "Vorlane" : "new from script"));
            QCOMPARE(said.size() + QDir(folder()).entryList({"*.unreadable-*"}).size(),
                     rest.isEmpty() ? 2 : 0);
            QVERIFY(renameInto(path, R"({"text":"renamed"})"));
            QTRY_COMPARE(live.settings().text, "renamed");
        }
    }

    void filesThatAreNotFilesAreLeftAlone() {
        // Under a settings name or the session's: never blocked on, never
        // read whole, never written over; the banner runs with the defaults.
        QDir().mkpath(folder());
        const QString at = folder() + "/VorlaneSettings_odd.json";
        for (const auto& [make, what] : std::initializer_list<std::pair<QString, QString>>{
                 {"mkfifo \"$0\"", "not a regular file"},
                 {"mkdir \"$0\"", "not a regular file"},
                 {"ln -s /dev/zero \"$0\"", "not a regular file"},
                 {"ln -s \"$0\" \"$0\"", "Too many levels"}, // cannot be opened, as EACCES
                 {"head -c 2000000 /dev/zero | tr '\\0' ' ' > \"$0\"", "larger than 1 MiB"}}) {
            for (const QString& path : {at, folder() + "/session.json"})
                QVERIFY(QProcess::execute("sh", {"-c", make, path}) == 0);
            const struct stat before = status(at);
            SettingsFiles store;
            LiveSettings live(store, "odd");
            QVERIFY(live.unreadableAtStart().contains(at + ": " + what));
            live.settings().text = "changed";
            QVERIFY(live.save().reason().contains(what));
            QVERIFY(!BannerSettings::load(store, "odd").save(store).ok()); // as Quick Launch does
            QCOMPARE(SessionManager().load(), QStringList{"default"});
            QCOMPARE(SessionManager().addInstance("odd").outcome, SessionManager::Change::failed);
            QVERIFY(status(at).st_ino == before.st_ino && status(at).st_size == before.st_size);
            QVERIFY(QDir(folder()).removeRecursively() && QDir().mkpath(folder()));
        }
    }

    void carefulReplacement() {
        // A settings file that is a link (a dotfile manager's) stays one, its
        // target replaced in its own folder; the file's mode is kept.
        const QString dotfiles = isolateUserFolders() + "/dotfiles";
        QVERIFY(writeFile(dotfiles + "/banner.json", R"({"text":"linked"})"));
        QFile::setPermissions(dotfiles + "/banner.json", QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadGroup | QFile::ReadOther);
        QDir().mkpath(folder());
        QVERIFY(QFile::link("../../dotfiles/banner.json", folder() + "/VorlaneSettings_ln.json"));
        SettingsFiles store;
        LiveSettings live(store, "ln");
        QCOMPARE(live.settings().text, "linked");
        live.settings().fontSize = 21;
        QVERIFY(live.save().ok());
        QVERIFY(S_ISLNK(status(folder() + "/VorlaneSettings_ln.json").st_mode) &&
                readFile(dotfiles + "/banner.json").contains("21"));
        QCOMPARE(status(dotfiles + "/banner.json").st_mode & 0777, 0644u);
        QCOMPARE(QDir(dotfiles).entryList(QDir::Files | QDir::Hidden), QStringList{"banner.json"});
        // A hashed name whose file names another identifier is left alone.
        const QString id(300, u'h'), path = store.filePath("VorlaneSettings_" + id);
        const QByteArray other = "{\"settingsKey\":\"VorlaneSettings_other\",\"text\":\"theirs\"}";
        QVERIFY(writeFile(path, other));
        BannerSettings own = BannerSettings::load(store, id);
        QCOMPARE(own.text, "Vorlane");
        own.text = "ours";
        QVERIFY(own.save(store).ok());
        QCOMPARE(readFile(path), other);
        QCOMPARE(BannerSettings::load(store, id).text, "ours");
    }

    void folderFromTheEnvironment() {
        const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        const QString account = QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/.config";
        for (const auto& [xdg, homeValue, expected] :
             std::initializer_list<std::tuple<QByteArray, QByteArray, QString>>{
                 {"/x/conf/", "/h", "/x/conf"},
                 {"relative", "/h", "/h/.config"},
                 {"", "/h/", "/h/.config"},
                 {"", "", account},
                 {"", "not/absolute", account}}) {
            qputenv("XDG_CONFIG_HOME", xdg);
            qputenv("HOME", homeValue);
            QCOMPARE(ConfigFolder::programFolder().value_or("none"),
                     QDir::cleanPath(expected) + "/vorlane");
        }
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    }

    // An administrator's file gives an entry's defaults: the first system
    // folder that has one (a damaged one counts as none); only what differs
    // from it is written to the person's file (tst_bannerdesktop: the rest).
    void administratorsDefaults() {
        const QString home = isolateUserFolders(), a = home + "/xdg-a/vorlane", b = home + "/xdg-b";
        const QByteArray given = R"({"text":"PRODUCTION","bgColorHex":"#FF0000"})";
        QVERIFY(writeFile(b + "/vorlane/VorlaneSettings_x.json", given) &&
                writeFile(a + "/VorlaneSettings_y.json", "[1]"));
        SettingsFiles store(folder(), SystemDefaults({a, b + "/vorlane"}));
        LiveSettings live(store, "x");
        QVERIFY(live.settings().text == "PRODUCTION" && live.settings().bgColorHex == "#FF0000");
        live.settings().fontSize = 30;
        QVERIFY(live.save().ok());
        const QByteArray own = readFile(store.filePath("VorlaneSettings_x"));
        QVERIFY(own.contains("\"fontSize\":30") && !own.contains("PRODUCTION"));
        QCOMPARE(BannerSettings::load(store, "y").text, "Vorlane");
    }

    void carriedOverFromTheSharedFileOnce() { // by a starting banner: tst_torture
        const QString ini = folder() + "/vorlane.conf";
        QVERIFY(QDir().mkpath(folder()) && QFile::copy(testDataPath("vorlane.conf"), ini));
        writeEntry("kept", R"({"text":"newer"})");
        SettingsFiles store;
        // An entry that cannot be written (its link leads where no file can
        // be made): tried again at the next start.
        const QString ab = store.filePath("VorlaneSettings_a/b");
        QVERIFY(QFile::link("/proc/ab.json", ab));
        QVERIFY(!store.carryOverFrom(ini).ok() && !QFile::exists(ini + ".carried-over"));
        QVERIFY(QFile::remove(ab) && store.carryOverFrom(ini).ok());
        QVERIFY(BannerSettings::load(store, "a/b").text == "old" &&
                BannerSettings::load(store, "kept").text == "newer");
        QFile::remove(ab);
        QVERIFY(store.carryOverFrom(ini).ok()); // once only, and the old file as it was
        QVERIFY(!QFile::exists(ab) && readFile(ini) == readFile(testDataPath("vorlane.conf")));
    }

    void failedWritesLeaveTheFileAsItWas() {
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
        QVERIFY2(errors.contains("could not be saved: " + folder() +
                                 "/VorlaneSettings_x.json: No space"),
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
