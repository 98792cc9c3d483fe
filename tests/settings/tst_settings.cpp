// The settings document, its store, and hex colours.
#include "platform/QSettingsPreferencesStore.h"
#include "settings/BannerSettings.h"
#include "settings/HexColor.h"
#include "support/TestEnvironment.h"

#include <QSettings>

namespace {
RgbColor rgb255(int r, int g, int b) {
    return RgbColor{r / 255.0, g / 255.0, b / 255.0, 1.0};
}
QString storeFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/vorlane/vorlane.conf";
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(storeFile()); }

    void decoding() {
        // A missing alignment reads as left, unlike a new object's centre.
        BannerSettings left;
        left.textAlign = TextAlign::left;
        BannerSettings kept; // as written: no range is checked
        kept.position = BannerPosition::topLeft;
        kept.textAlign = TextAlign::right;
        kept.opacity = 5;
        kept.screenIndex = -3;
        kept.imagePath = QString();
        for (const auto& [json, expected] :
             std::initializer_list<std::pair<QByteArray, BannerSettings>>{
                 {"{}", left},
                 {R"({"text":null,"textAlign":null,"imagePath":null})", left},
                 {R"({"position":"topLeft","textAlign":"right","opacity":5,"screenIndex":-3,)"
                  R"("fontSize":13,"imagePath":"","instanceId":"x"})",
                  kept}})
            QCOMPARE(BannerSettings::fromJsonBytes(json)->toJsonBytes(), expected.toJsonBytes());
        for (const char* bad :
             {R"({"position":"Top"})", R"({"textAlign":" left"})", R"({"fontSize":"13"})",
              R"({"showCPU":1})", R"({"screenIndex":1.5})", R"({"screenIndex":1e30})",
              R"({"text":5})", R"({"imagePath":{}})", "[1,2]", "{text:", ""})
            QVERIFY2(!BannerSettings::fromJsonBytes(bad), bad);
    }

    void roundTripKeepsEveryField() {
        BannerSettings s;
        s.text = QStringLiteral("PRODUCTION \u00e9 \"quoted\"");
        s.bgColorHex = QStringLiteral("not a colour");
        s.fontSize = 17.25;
        s.position = BannerPosition::bottomRight;
        s.showCPU = s.reserveSpace = false;
        s.imagePath = QStringLiteral("/home/u/a b.png");
        s.screenIndex = std::numeric_limits<qint64>::max();
        s.screenName = QStringLiteral("HDMI-1");
        s.textAlign = TextAlign::right;
        const QByteArray bytes = *s.toJsonBytes();
        QVERIFY(!bytes.contains('\n') && !bytes.contains("instanceId"));
        QCOMPARE(BannerSettings::fromJsonBytes(bytes)->toJsonBytes(), bytes);
        QCOMPARE(BannerSettings::fromJsonBytes(bytes)->screenIndex, s.screenIndex);
        s.opacity = qQNaN(); // JSON has no NaN: nothing to write
        QCOMPARE(s.toJsonBytes(), std::nullopt);
    }

    void everyIdentifierHasItsOwnEntry() {
        // Identifiers that a naive use of QSettings would fold together.
        const QStringList ids{"",        " ",  "default", "Default", "a/b", "a//b",
                              "a/",      "/a", "a\\b",    "a%2Fb",   "a%b", "\u00e9",
                              "e\u0301", "=",  "[x]",     "General"};
        QSettingsPreferencesStore store;
        for (const QString& id : ids) {
            BannerSettings s;
            s.instanceId = id;
            s.text = "text of <" + id + ">";
            s.save(store);
        }
        QSettingsPreferencesStore otherProcess;
        for (const QString& id : ids)
            QCOMPARE(BannerSettings::load(otherProcess, id).text, "text of <" + id + ">");
        QVERIFY(QFile::exists(storeFile()));
    }

    void unusableEntriesGiveDefaultsWithoutWriting() {
        for (const QVariant& stored : {QVariant(QByteArray(R"({"position":"Top"})")),
                                       QVariant(QByteArray("\x01\x02garbage")), QVariant(42)}) {
            QSettings(storeFile(), QSettings::IniFormat).setValue("VorlaneSettings_bad", stored);
            const QByteArray before = readFile(storeFile());
            const BannerSettings s = BannerSettings::load(QSettingsPreferencesStore(), "bad");
            QCOMPARE(s.instanceId, QStringLiteral("bad"));
            QCOMPARE(s.toJsonBytes(), BannerSettings{}.toJsonBytes());
            QCOMPARE(readFile(storeFile()), before);
        }
    }

    void hexReading() {
        const RgbColor darkBlue = rgb255(26, 26, 46);
        for (const auto& [hex, expected] : std::initializer_list<std::pair<QString, RgbColor>>{
                 {"#1a1a2e", darkBlue},
                 {"1A1A2E", darkBlue},
                 {" \t#1a1a2e\n", darkBlue},
                 {"+FFFFF", rgb255(15, 255, 255)}, // the sign counts as a character
                 {"-00000", rgb255(0, 0, 0)}})
            QCOMPARE(colorFromHex(hex), expected);
        for (const QString bad :
             {"-00001", "#FFF", "#FF00FF80", "", "##123456", "#12345G", "#12 456", "#12345\u0664"})
            QCOMPARE(colorFromHex(bad), fallbackGrey);
    }

    void hexWriting() {
        QCOMPARE(hexString(RgbColor{0.999, 0, 1, 0.2}), QStringLiteral("#FE00FF"));  // truncated
        QCOMPARE(hexString(RgbColor{1.7, 0.5, -0.3, 1}), QStringLiteral("#FF7F00")); // clamped
        for (int k = 0; k < 256; ++k) {
            const QString hex = hexString(rgb255(k, 255 - k, k));
            QCOMPARE(hexString(colorFromHex(hex)), hex);
            QCOMPARE(hexString(toQColor(colorFromHex(hex))), hex); // as the colour dialog hands it
        }
        QCOMPARE(hexString(QColor()), QStringLiteral("#888888"));
        BannerSettings s;
        s.opacity = 0.3;
        QCOMPARE(s.bgColor().alphaF(), 1.0f); // the view applies the opacity
        s.textColorHex = QStringLiteral("garbage");
        QCOMPARE(hexString(s.textColor()), QStringLiteral("#7F7F7F"));
    }
};

VORLANE_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
