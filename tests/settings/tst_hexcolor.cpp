// Reading and writing hex colour strings, and the preset tables.
#include "settings/BannerSettings.h"
#include "settings/ColorPresets.h"
#include "settings/HexColor.h"

#include "support/TestEnvironment.h"

#include <QtTest>

Q_DECLARE_METATYPE(RgbColor)

namespace {
RgbColor rgb255(int r, int g, int b) {
    return RgbColor{r / 255.0, g / 255.0, b / 255.0, 1.0};
}
} // namespace

class HexColorTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<RgbColor>("expected");
        const RgbColor darkBlue = rgb255(26, 26, 46);
        QTest::newRow("default background") << "#1a1a2e" << darkBlue;
        QTest::newRow("without #") << "1a1a2e" << darkBlue;
        QTest::newRow("upper case") << "#1A1A2E" << darkBlue;
        QTest::newRow("spaces and line break") << " \t#1a1a2e\n" << darkBlue;
        QTest::newRow("plus sign counts as a character") << "+FFFFF" << rgb255(15, 255, 255);
        QTest::newRow("minus sign with zero") << "-00000" << rgb255(0, 0, 0);
        QTest::newRow("minus sign with a value") << "-00001" << fallbackGrey;
        QTest::newRow("three digits") << "#FFF" << fallbackGrey;
        QTest::newRow("eight digits") << "#FF00FF80" << fallbackGrey;
        QTest::newRow("empty") << "" << fallbackGrey;
        QTest::newRow("lone #") << "#" << fallbackGrey;
        QTest::newRow("two #") << "##123456" << fallbackGrey;
        QTest::newRow("non-hex digit") << "#12345G" << fallbackGrey;
        QTest::newRow("inner space") << "#12 456" << fallbackGrey;
        QTest::newRow("two signs") << "+-1234" << fallbackGrey;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("#12345\u0664") << fallbackGrey;
    }

    void reading() {
        QFETCH(QString, hex);
        QFETCH(RgbColor, expected);
        QCOMPARE(colorFromHex(hex), expected);
    }

    void writing_data() {
        QTest::addColumn<RgbColor>("color");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read back in upper case") << colorFromHex(u"#1a1a2e") << "#1A1A2E";
        QTest::newRow("0.999 truncates") << RgbColor{0.999, 0, 1, 1} << "#FE00FF";
        QTest::newRow("alpha dropped") << RgbColor{1, 1, 1, 0.2} << "#FFFFFF";
        QTest::newRow("above one clamped") << RgbColor{1.7, 0.5, 0, 1} << "#FF7F00";
        QTest::newRow("below zero clamped") << RgbColor{-0.3, 0, 0, 1} << "#000000";
    }

    void writing() {
        QFETCH(RgbColor, color);
        QFETCH(QString, expected);
        QCOMPARE(hexString(color), expected);
    }

    void everyByteSurvivesARoundTrip() {
        for (int k = 0; k < 256; ++k) {
            const QString hex = hexString(rgb255(k, 255 - k, k));
            QCOMPARE(hexString(colorFromHex(hex)), hex);
            // The same through QColor, as the colour picker hands it over.
            QCOMPARE(hexString(toQColor(colorFromHex(hex))), hex);
        }
        QCOMPARE(hexString(QColor()), QStringLiteral("#888888"));
        QCOMPARE(hexString(QColor::fromHsvF(0, 1, 1)), QStringLiteral("#FF0000"));
    }

    void settingsColoursIgnoreOpacity() {
        BannerSettings s;
        s.opacity = 0.3;
        s.bgColorHex = QStringLiteral("#000000");
        QCOMPARE(s.bgColor().alphaF(), 1.0f);
        s.textColorHex = QStringLiteral("garbage");
        QCOMPARE(hexString(s.textColor()), QStringLiteral("#7F7F7F"));
    }

    void transparentStoresWhatBlackStores() {
        const auto bg = backgroundColorPresets();
        QCOMPARE(bg.front().hex, bg.back().hex);
        QCOMPARE(bg.back().name, QStringLiteral("Transparent"));
    }
};

VORLANE_TEST_GUILESS_MAIN(HexColorTest)
#include "tst_hexcolor.moc"
