// Where the row puts the image, the text and the readouts.
#include "banner/BannerContentView.h"
#include "banner/RowLayout.h"

#include "support/TestEnvironment.h"

#include <QtTest>

Q_DECLARE_METATYPE(TextAlign)

class RowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void alignments_data() {
        QTest::addColumn<TextAlign>("align");
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<double>("textX");
        // Banner 1000x30; text 100 wide; metrics 150 wide: metrics always at
        // 1000 - 8 - 150 = 842.
        QTest::newRow("left") << TextAlign::left << false << 8.0;
        // One space of 1000 - (100 + 150 + 8) - 2*8 = 726 after the text.
        QTest::newRow("right") << TextAlign::right << false << 726.0 + 8;
        // Two spaces of (1000 - 258 - 3*8) / 2 = 359 each.
        QTest::newRow("center") << TextAlign::center << false << 359.0 + 8;
        // Image 26 high (30 - 4) from a 52x52 picture: 26 wide, after a 4 inset.
        QTest::newRow("left with image") << TextAlign::left << true << 4 + 26 + 8 + 8.0;
        QTest::newRow("center with image")
            << TextAlign::center << true << 30 + 8 + (1000 - 258 - 30 - 4 * 8) / 2.0 + 8;
    }

    void alignments() {
        QFETCH(TextAlign, align);
        QFETCH(bool, withImage);
        QFETCH(double, textX);
        RowInput in;
        in.banner = QSizeF(1000, 30);
        in.align = align;
        in.textWidth = 100;
        in.textHeight = 16;
        in.metricsWidth = 150;
        in.metricsHeight = 14;
        if (withImage)
            in.imageSize = QSizeF(52, 52);
        const RowLayout row = layoutRow(in);
        QCOMPARE(row.text.x(), textX);
        QCOMPARE(row.text.width(), 100.0);
        QCOMPARE(row.text.y(), 7.0); // centred vertically
        QCOMPARE(row.metrics, QRectF(842, 8, 150, 14));
        QCOMPARE(row.image.has_value(), withImage);
        if (withImage)
            QCOMPARE(*row.image, QRectF(4, 2, 26, 26));
    }

    void emptyMetricsGroupKeepsItsPlace() {
        RowInput in;
        in.banner = QSizeF(500, 28);
        in.align = TextAlign::right;
        in.textWidth = 60;
        const RowLayout row = layoutRow(in);
        // The text ends one spacing before the empty group, which ends 8 before the edge.
        QCOMPARE(row.metrics.x(), 492.0);
        QCOMPARE(row.text.x() + row.text.width(), 484.0);
    }

    void longTextGivesWayAndIsCut() {
        RowInput in;
        in.banner = QSizeF(420, 28);
        in.align = TextAlign::center;
        in.textWidth = 2000;
        in.metricsWidth = 150;
        const RowLayout row = layoutRow(in);
        QCOMPARE(row.text.width(), 420 - 150 - 8 - 3 * 8.0);
        QCOMPARE(row.metrics.x(), 420 - 8 - 150.0);
    }

    void wideImageKeepsItsAspect() {
        RowInput in;
        in.banner = QSizeF(800, 40);
        in.imageSize = QSizeF(200, 50);
        const RowLayout row = layoutRow(in);
        QCOMPARE(*row.image, QRectF(4, 2, 144, 36));
    }

    void readoutTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cpu rounds") << cpuReadoutText(7.6) << "8%";
        QTest::newRow("cpu zero") << cpuReadoutText(0) << "0%";
        QTest::newRow("cpu full") << cpuReadoutText(100) << "100%";
        QTest::newRow("memory") << memoryReadoutText(10.26, 16) << "10.3/16GB";
        QTest::newRow("memory before first sample") << memoryReadoutText(0, 0) << "0.0/0GB";
    }

    void readoutTexts() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void fontsAreClampedToDrawableSizes_data() {
        QTest::addColumn<double>("fontSize");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("readout");
        QTest::newRow("ordinary") << 14.0 << 14 << 13;
        QTest::newRow("zero") << 0.0 << 1 << 1;
        QTest::newRow("negative") << -8.0 << 1 << 1;
        QTest::newRow("huge") << 1e9 << 512 << 512;
        QTest::newRow("not a number") << qQNaN() << 13 << 13;
    }

    void fontsAreClampedToDrawableSizes() {
        QFETCH(double, fontSize);
        QFETCH(int, text);
        QFETCH(int, readout);
        QCOMPARE(bannerTextFont(fontSize).pixelSize(), text);
        QCOMPARE(bannerReadoutFont(fontSize).pixelSize(), readout);
        QCOMPARE(bannerTextFont(fontSize).weight(), QFont::Medium);
        QCOMPARE(bannerReadoutFont(fontSize).weight(), QFont::Normal);
    }
};

VORLANE_TEST_MAIN(RowLayoutTest)
#include "tst_rowlayout.moc"
