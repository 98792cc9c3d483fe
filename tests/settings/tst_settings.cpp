// The settings document, its store, and hex colours.
#include "platform/QSettingsPreferencesStore.h"
#include "settings/BannerSettings.h"
#include "settings/HexColor.h"
#include "support/TestEnvironment.h"

#include <QSettings>

Q_DECLARE_METATYPE(RgbColor)

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

    void decoding_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("expected"); // the re-encoded document; empty: rejected
        // A missing alignment reads as left, unlike a new object's centre.
        BannerSettings left;
        left.textAlign = TextAlign::left;
        QTest::newRow("empty object") << QByteArray("{}") << *left.toJsonBytes();
        QTest::newRow("nulls take defaults")
            << QByteArray(R"({"text":null,"textAlign":null,"imagePath":null})")
            << *left.toJsonBytes();
        BannerSettings kept;
        kept.position = BannerPosition::topLeft;
        kept.textAlign = TextAlign::right;
        kept.opacity = 5;
        kept.screenIndex = -3;
        kept.imagePath = QString();
        QTest::newRow("kept as written, ranges unchecked")
            << QByteArray(R"({"position":"topLeft","textAlign":"right","opacity":5,)"
                          R"("screenIndex":-3,"fontSize":13,"imagePath":"","instanceId":"x"})")
            << *kept.toJsonBytes();
        for (const char* bad :
             {R"({"position":"Top"})", R"({"position":"TopLeft"})", R"({"textAlign":" left"})",
              R"({"fontSize":"13"})", R"({"showCPU":1})", R"({"screenIndex":1.5})",
              R"({"screenIndex":1e30})", R"({"text":5})", R"({"imagePath":{}})", "[1,2]",
              "{text:", ""})
            QTest::newRow(bad) << QByteArray(bad) << QByteArray();
    }

    void decoding() {
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, expected);
        const auto decoded = BannerSettings::fromJsonBytes(json);
        QCOMPARE(decoded ? *decoded->toJsonBytes() : QByteArray(), expected);
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

    void unusableEntriesGiveDefaultsWithoutWriting_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("unknown position") << QVariant(QByteArray(R"({"position":"Top"})"));
        QTest::newRow("not JSON") << QVariant(QByteArray("\x01\x02garbage"));
        QTest::newRow("a number") << QVariant(42);
    }

    void unusableEntriesGiveDefaultsWithoutWriting() {
        QFETCH(QVariant, stored);
        QSettings(storeFile(), QSettings::IniFormat).setValue("VorlaneSettings_bad", stored);
        const QByteArray before = readFile(storeFile());
        const BannerSettings s = BannerSettings::load(QSettingsPreferencesStore(), "bad");
        QCOMPARE(s.instanceId, QStringLiteral("bad"));
        QCOMPARE(s.text, QStringLiteral("Vorlane"));
        QCOMPARE(s.textAlign, TextAlign::center);
        QCOMPARE(readFile(storeFile()), before);
    }

    void hexReading_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<RgbColor>("expected");
        const RgbColor darkBlue = rgb255(26, 26, 46);
        QTest::newRow("lower case") << "#1a1a2e" << darkBlue;
        QTest::newRow("without #, upper case") << "1A1A2E" << darkBlue;
        QTest::newRow("spaces and line break") << " \t#1a1a2e\n" << darkBlue;
        QTest::newRow("plus sign counts as a character") << "+FFFFF" << rgb255(15, 255, 255);
        QTest::newRow("minus sign with zero") << "-00000" << rgb255(0, 0, 0);
        for (const char* bad :
             {"-00001", "#FFF", "#FF00FF80", "", "##123456", "#12345G", "#12 456"})
            QTest::newRow(bad) << QString(bad) << fallbackGrey;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("#12345\u0664") << fallbackGrey;
    }

    void hexReading() {
        QFETCH(QString, hex);
        QFETCH(RgbColor, expected);
        QCOMPARE(colorFromHex(hex), expected);
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
