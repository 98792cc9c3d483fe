// Where the row puts the image, the text and the readouts, and what they say.
#include "banner/BannerContentView.h"
#include "banner/Icons.h"
#include "banner/ImageCache.h"
#include "banner/RowLayout.h"
#include "fakes/FakePlatform.h"
#include "metrics/SystemMetrics.h"
#include "support/TestEnvironment.h"

#include <QPainter>
#include <QSvgRenderer>

class RowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void alignments() {
        // Banner 1000x30; text 100 wide; readouts 150 wide, always at
        // 1000 - 8 - 150 = 842. Right: one space of 1000 - (100 + 150 + 8) -
        // 2*8 = 726 after the text; centre: two of (1000 - 258 - 3*8) / 2 =
        // 359. The image, 26 high (30 - 4) from a 52x52 picture: 26 wide,
        // after a 4 inset.
        for (auto [align, withImage, textX] :
             {std::tuple{TextAlign::left, false, 8.0},
              {TextAlign::right, false, 726.0 + 8},
              {TextAlign::center, false, 359.0 + 8},
              {TextAlign::left, true, 4 + 26 + 8 + 8.0},
              {TextAlign::center, true, 30 + 8 + (1000 - 258 - 30 - 4 * 8) / 2.0 + 8}}) {
            RowInput in{QSizeF(1000, 30), std::nullopt, align, 100, 16, 150, 14};
            if (withImage)
                in.imageSize = QSizeF(52, 52);
            const RowLayout row = layoutRow(in);
            QCOMPARE(row.text, QRectF(textX, 7, 100, 16)); // centred vertically
            QCOMPARE(row.metrics, QRectF(842, 8, 150, 14));
            QCOMPARE(row.image, withImage ? std::optional(QRectF(4, 2, 26, 26)) : std::nullopt);
        }
    }

    void crowdedRows() {
        // Long text gives way to the readouts and is cut.
        RowLayout row = layoutRow({QSizeF(420, 28), {}, TextAlign::center, 2000, 16, 150, 14});
        QCOMPARE(row.text.width(), 420 - 150 - 8 - 3 * 8.0);
        QCOMPARE(row.metrics.x(), 420 - 8 - 150.0);
        // An empty readout group keeps its place.
        row = layoutRow({QSizeF(500, 28), {}, TextAlign::right, 60, 16, 0, 0});
        QCOMPARE(row.metrics.x(), 492.0);
        QCOMPARE(row.text.x() + row.text.width(), 484.0);
        // A wide image keeps its aspect.
        row = layoutRow({QSizeF(800, 40), QSizeF(200, 50), TextAlign::left, 0, 0, 0, 0});
        QCOMPARE(*row.image, QRectF(4, 2, 144, 36));
    }

    void readoutsAndFonts() {
        QCOMPARE(cpuReadoutText(7.6), QStringLiteral("8%"));
        QCOMPARE(cpuReadoutText(100), QStringLiteral("100%"));
        QCOMPARE(cpuReadoutText(0.5) + cpuReadoutText(2.5), QStringLiteral("0%2%")); // as printf
        QCOMPARE(memoryReadoutText(0.25, 15.5), QStringLiteral("0.2/16GB"));
        QCOMPARE(memoryReadoutText(10.26, 16), QStringLiteral("10.3/16GB"));
        QCOMPARE(memoryReadoutText(0, 0), QStringLiteral("0.0/0GB"));
        // Sizes are clamped to what can be drawn; readouts one point smaller.
        for (auto [size, text, readout] : {std::tuple{14.0, 14, 13},
                                           {0.0, 1, 1},
                                           {-8.0, 1, 1},
                                           {1e9, 512, 512},
                                           {qQNaN(), 13, 13}}) {
            QCOMPARE(bannerTextFont(size).pixelSize(), text);
            QCOMPARE(bannerReadoutFont(size).pixelSize(), readout);
        }
        QCOMPARE(bannerTextFont(13).weight(), QFont::Medium);
    }

    void everyOfferedImageTypeShows() {
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString dir = isolateUserFolders();
        for (const char* type : {"png", "jpg", "bmp", "ico", "tiff"}) {
            QVERIFY2(red.save(dir + "/logo." + type, type), type);
            QVERIFY2(!ImageCache().image(dir + "/logo." + type).isNull(), type);
        }
        QFile gif(dir + "/logo.gif"); // Qt writes no GIF: one red pixel, byte by byte
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray::fromHex("47494638396101000100f00000ff000000000021f904000000"
                                      "00002c00000000010001000002024401003b"));
        gif.close();
        QCOMPARE(ImageCache().image(gif.fileName()).pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(ImageCache().image(dir + "/missing.png").isNull());
    }

    void programIconLooksLikeTheInstalledOne() {
        QImage installed(48, 48, QImage::Format_ARGB32_Premultiplied);
        installed.fill(Qt::transparent);
        QPainter painter(&installed);
        QSvgRenderer(testDataPath("../../data/com.tarnwick.vorlane.svg")).render(&painter);
        painter.end();
        const QImage drawn = programIconPixmap(48).toImage().convertToFormat(installed.format());
        int differing = 0; // antialiased edges may differ a little
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                differing += qAbs(qGray(drawn.pixel(x, y)) - qGray(installed.pixel(x, y))) > 40 ||
                             qAbs(qAlpha(drawn.pixel(x, y)) - qAlpha(installed.pixel(x, y))) > 40;
        QVERIFY2(differing < 20, qPrintable(QString::number(differing)));
    }

    void readoutsRepaintOnlyWhenTheirTextChanges() {
        ScriptedStatsSource stats; // 0%, then 50%, 50% and 33%
        stats.cpu = {CpuTicks{0, 0, 0, 0}, CpuTicks{10, 0, 10, 0}, CpuTicks{20, 0, 20, 0},
                     CpuTicks{30, 0, 40, 0}};
        stats.memory = {MemoryStats{1ull << 30, 1ull << 34}};
        SystemMetrics metrics(stats);
        metrics.start();
        BannerSettings settings;
        BannerContentView view(settings, metrics);
        view.resize(800, 28);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        struct Painted : QObject {
            QList<QRect> rects;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    rects << static_cast<QPaintEvent*>(e)->rect();
                return false;
            }
        } painted;
        view.installEventFilter(&painted);
        const auto paintsAfterSample = [&] {
            painted.rects.clear();
            metrics.sample();
            QTest::qWait(50);
            return painted.rects;
        };
        QCOMPARE(paintsAfterSample(), QList<QRect>{view.rect()}); // "50%": wider, laid out anew
        QCOMPARE(paintsAfterSample(), QList<QRect>{});            // "50%" again: nothing
        const QList<QRect> readoutsOnly = paintsAfterSample();    // "33%": the readouts alone
        QCOMPARE(readoutsOnly.size(), 1);
        QVERIFY(readoutsOnly[0].width() < 300 && readoutsOnly[0].right() >= 780);
    }
};

VORLANE_TEST_MAIN(RowLayoutTest)
#include "tst_rowlayout.moc"
