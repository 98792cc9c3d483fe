// The banner: its frame, screen, available area and strut; which windows it
// moves out of its strip; its row and readouts; the sampler behind them (its
// /proc source on recorded samples, its arithmetic, priming and failures).
#include "banner/BannerView.h"
#include "banner/BannerWindow.h"
#include "banner/Icons.h"
#include "banner/ImageCache.h"
#include "banner/Placement.h"
#include "banner/RowLayout.h"
#include "banner/Stacking.h"
#include "fakes/ScriptedStatsSource.h"
#include "metrics/SystemMetrics.h"
#include "platform/ProcFsStatsSource.h"
#include "platform/StrutGeometry.h"
#include "platform/wayland/WaylandTrayMenu.h"
#include "spaceguard/NudgeRule.h"
#include "support/ScreenLayout.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>

using Edge = Strut::Edge;
using P = BannerPosition;

// A strut along one root edge: depth, and first and last pixel along it.
static Strut strutOn(Edge edge, uint32_t depth, uint32_t start, uint32_t end) {
    Strut s;
    s.setEdge(edge, depth, start, end);
    return s;
}

class BannerTest : public QObject {
    Q_OBJECT
private slots:
    void frameTable() {
        // 1440x900 with a 24-point menu bar above and a 70-point dock below;
        // a dock on the left: the top family ignores it, the bottom one not.
        const QRectF full(0, 0, 1440, 900), visible(0, 24, 1440, 806), leftDock(80, 0, 1360, 900);
        const QRectF second(1440, 0, 1920, 1080);
        for (const auto& [position, screen, area, expected] :
             std::initializer_list<std::tuple<P, QRectF, QRectF, QRectF>>{
                 {P::top, full, visible, {0, 24, 1440, 30}},
                 {P::bottom, full, visible, {0, 800, 1440, 30}},
                 {P::bottomRight, full, visible, {1020, 800, 420, 30}},
                 {P::top, full, leftDock, {0, 0, 1440, 30}},
                 {P::bottomLeft, full, leftDock, {80, 870, 420, 30}},
                 {P::topRight, second, second, {2940, 0, 420, 30}}})
            QCOMPARE(frameFor(position, screen, area, 30), expected);
    }

    void stacking() {
        // A 28-px bottom banner on the left of two 1280x1024 screens, past
        // the earlier banners at its edge of its screen that share its width.
        const BannerPlace own{false, QRect(0, 996, 1280, 28)};
        const QRect screen(0, 0, 1280, 1024);
        for (const auto& [earlier, offset] :
             std::initializer_list<std::pair<QList<BannerPlace>, int>>{
                 {{}, 0},
                 {{{false, QRect(860, 928, 420, 96)}, {false, QRect(0, 984, 420, 40)}}, 96},
                 {{{true, QRect(0, 0, 1280, 50)}}, 0},             // the other edge
                 {{{false, QRect(1280, 900, 1280, 124)}}, 0},      // the other screen
                 {{{false, QRect(1280 + 860, 900, 420, 124)}}, 0}, // a box there
                 {{{false, QRect(0, 20, 1280, 5000)}}, 0},         // not on the screen
                 {{{false, QRect(0, 10, 1280, 1014)}}, 996}})      // as far as its top
            QCOMPARE(stackOffset(own, screen, earlier), offset);
        QCOMPARE(stackOffset({true, QRect(860, 0, 420, 28)}, screen,
                             {{true, QRect(0, 0, 420, 40)}, {true, QRect(500, 0, 780, 30)}}),
                 30);
    }

    void targetScreen() {
        const auto two = screenLayout("eDP-1=1920x1080+0+0,HDMI-1=1280x1024+1920+0");
        const auto sameNames = screenLayout("A=800x600+0+0,DELL=800x600+800+0,DELL=800x600+1600+0");
        for (const auto& [screens, name, index, expected] : // -1: no screen at all
             std::initializer_list<std::tuple<QList<ScreenInfo>, QString, qint64, int>>{
                 {two, "eDP-1", 1, 0},      // the name wins over the index
                 {two, "DP-3", 1, 1},       // a stale name: the index
                 {two, "", 2, 0},           // an index past the end: the first
                 {sameNames, "DELL", 2, 1}, // the same name twice: the earlier
                 {{}, "HDMI-1", 0, -1}}) {
            BannerSettings s;
            s.screenName = name;
            s.screenIndex = index;
            QCOMPARE(targetScreenIndex(s, screens).value_or(-1), expected);
        }
    }

    // The tray menu's anchor: on the screen that holds the tray's point (in
    // device pixels; the second screen is 1280x1024 of them), at that point of
    // it, unfolding towards the screen's middle.
    void trayMenuPlaces() {
        const auto two = screenLayout("eDP-1=1920x1080+0+0,HDMI-1=640x512+1920+0@2");
        for (const auto& [at, index, point, below] :
             std::initializer_list<std::tuple<QPoint, int, QPoint, bool>>{
                 {{1909, 11}, 0, {1909, 11}, true},
                 {{1909, 1070}, 0, {1909, 1070}, false},
                 {{2500, 1000}, 1, {580, 1000}, false}, // beyond its logical size
                 {{5000, -5}, 0, {1919, 0}, true}}) {   // on no screen: kept on the first
            const TrayMenuPlace place = trayMenuPlace(two, at);
            QCOMPARE(place.anchor.outputName, two[index].name);
            QCOMPARE(place.anchor.outputIndex, index);
            QCOMPARE(place.anchor.point, point);
            QCOMPARE(place.below, below);
            QCOMPARE(place.qtScale, two[index].devicePixelRatio);
        }
        QCOMPARE(trayMenuPlace({}, {-4, -9}).anchor.point, QPoint(0, 0)); // no screen known
    }

    void availableArea() {
        // Each screen's available area, as a layout.
        const auto frames = [](const QString& layout, const QList<Strut>& struts) {
            QStringList out;
            for (const ScreenInfo& screen : screenLayout(layout)) {
                const QRect r = ::availableArea(screen, QSize(1920, 1080), struts);
                out << QString::asprintf("%dx%d+%d+%d", r.width(), r.height(), r.x(), r.y());
            }
            return out.join(',');
        };
        const QString two = "1280x1024+0+0,640x480+1280+0";
        // A top panel on the right monitor only.
        QCOMPARE(frames(two, {strutOn(Edge::top, 30, 1280, 1919)}),
                 "1280x1024+0+0,640x450+1280+30");
        // A bottom strut below both monitors reaches neither; a deep one the left.
        QCOMPARE(frames(two, {strutOn(Edge::bottom, 40, 0, 1919)}), two);
        QCOMPARE(frames(two, {strutOn(Edge::bottom, 100, 0, 1279)}), "1280x980+0+0,640x480+1280+0");
        // Left and right docks, two top panels: the deeper wins.
        QCOMPARE(frames("1920x1080+0+0",
                        {strutOn(Edge::left, 64, 0, 1079), strutOn(Edge::right, 10, 0, 1079),
                         strutOn(Edge::top, 24, 0, 1919), strutOn(Edge::top, 30, 0, 99)}),
                 "1846x1050+64+30");
        QCOMPARE(frames("1920x1080+0+0", {strutOn(Edge::top, 5000, 0, 1919)}), "1x1+0+0");
        // HiDPI: device pixels become logical ones (a panel on the right half).
        QCOMPARE(::availableArea(screenLayout("1280x720+0+0@2")[0], QSize(2560, 1440),
                                 {strutOn(Edge::top, 60, 1500, 2559)}),
                 QRect(0, 30, 1280, 690));
    }

    void bannerStrut() {
        const QSize root(1920, 1080), tall(1920, 2160);
        const QList<QRect> two{{0, 0, 640, 1080}, {1280, 0, 640, 1080}}; // tall monitors
        const auto top = [](uint32_t depth, uint32_t from, uint32_t to) {
            return std::optional(strutOn(Edge::top, depth, from, to));
        };
        // The banner's logical frame at a scale, as it writes it: Qt keeps the
        // screen's origin and scales what lies in it, rounding half up.
        for (const auto& [scale, banner, topFamily, rootSize, monitors, expected] :
             std::initializer_list<
                 std::tuple<qreal, QRect, bool, QSize, QList<QRect>, std::optional<Strut>>>{
                 {1, {0, 40, 1920, 28}, true, root, {}, top(68, 0, 1919)}, // below a dock
                 {1, {1500, 0, 420, 28}, true, root, {}, top(28, 1500, 1919)},
                 {1, {-100, 0, 420, 28}, true, root, {}, top(28, 0, 319)},   // clipped at an edge
                 {1, {0, 1070, 420, 28}, true, root, {}, top(1080, 0, 419)}, // not past the root
                 {1, {1700, 0, 420, 28}, true, root, {}, top(28, 1700, 1919)},
                 {1.25, {0, 0, 1536, 28}, true, root, {}, top(35, 0, 1919)},
                 {1.5, {0, 692, 1280, 28}, false, root, {}, strutOn(Edge::bottom, 42, 0, 1919)},
                 {1.5, {860, 0, 420, 27}, true, root, {}, top(41, 1290, 1919)},
                 // The bottom of a shorter monitor between two taller ones.
                 {1, {640, 452, 640, 28}, false, root, two, strutOn(Edge::bottom, 628, 640, 1279)},
                 // Another monitor between the banner and the root's edge: none.
                 {1, {0, 1080, 1920, 28}, true, tall, {{0, 0, 1920, 1080}}, {}},
                 {1, {0, 1052, 1920, 28}, false, tall, {{0, 1080, 1920, 1080}}, {}}})
            QCOMPARE(
                ::bannerStrut(toDevice(banner, {{}, {}, scale}), topFamily, rootSize, monitors),
                expected);
    }

    void nudgeRule() {
        // Whether and how a window is moved out of a strip 30 high, on a
        // 1440x900 screen with a 24-point menu bar and a 70-point dock.
        const auto move = [](int x, int y, int w, int h) {
            return std::optional(WindowChange{QPoint(x, y), QSize(w, h)});
        };
        const QRect top(0, 24, 1440, 30), bottom(0, 800, 1440, 30), corner(1020, 24, 420, 30);
        const std::optional<WindowChange> none;
        for (const auto& [strip, window, expected] :
             std::initializer_list<std::tuple<QRect, QRect, std::optional<WindowChange>>>{
                 {top, {100, 24, 800, 600}, move(100, 54, 800, 570)},
                 {bottom, {0, 24, 1440, 806}, WindowChange{std::nullopt, {1440, 776}}},
                 {corner, {0, 24, 1000, 600}, none}, // beside the box
                 {corner, {0, 24, 1100, 600}, move(0, 54, 1100, 570)},
                 {corner, {620, 24, 400, 600}, none}, // right edge on the strip's left edge
                 {top, {100, 54, 800, 600}, none},    // top edge on the strip's bottom edge
                 {top, {100, 53, 800, 600}, move(100, 54, 800, 599)},
                 {top, {100, 0, 800, 54}, none},   // inside the strip
                 {top, {100, 30, 800, 124}, none}, // would keep exactly 100
                 {top, {100, 30, 800, 125}, move(100, 54, 800, 101)},
                 {bottom, {0, 800, 1440, 20}, none}, // top edge on the strip's top edge
                 {bottom, {0, 700, 800, 300}, none}, // would keep exactly 100
                 {top, {100, 24, 50, 600}, none},    // 50 wide is never touched
                 {bottom, {0, 780, 600, 50}, none},  // nor 50 high
                 {top, {100, 24, 51, 600}, move(100, 54, 51, 570)},
                 {top, {-200, 0, 2000, 900}, move(-200, 54, 2000, 846)}}) // keeps its width
            QCOMPARE(nudgeFor(strip, strip != bottom, window), expected);
    }

    void windowRectangleIsAlwaysDrawable() {
        const ScreenInfo screen = screenLayout("1920x1080+0+0").first();
        BannerSettings s;
        s.position = BannerPosition::bottom;
        for (auto [height, expected] :
             {std::pair{0.0, 1}, {-50.0, 1}, {4000.0, 1080}, {qQNaN(), 28}, {30.6, 31}}) {
            s.bannerHeight = height;
            const QRect r = bannerRect(s, screen, screen.geometry);
            QCOMPARE(r.height(), expected);
            QCOMPARE(r.bottom() + 1, 1080);
        }
        // Other docks leave less room than the banner needs: it stays on its screen.
        s.bannerHeight = 28;
        s.position = BannerPosition::top;
        QCOMPARE(bannerRect(s, screen, QRect(0, 1079, 1920, 1)), QRect(0, 1052, 1920, 28));
        s.position = BannerPosition::bottomLeft;
        QCOMPARE(bannerRect(s, screen, QRect(1800, 0, 120, 10)), QRect(1500, 0, 420, 28));
    }

    void alignments() {
        // Banner 1000x30; text 100 wide; readouts 150 wide, always at 1000 - 8 - 150 = 842.
        // Right: a space of 1000 - (100 + 150 + 8) - 2*8 = 726 after the text; centre: two of
        // (1000 - 258 - 3*8) / 2 = 359. The image, 26 high (30 - 4) from 52x52: 26 wide, inset 4.
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
        QCOMPARE(firstLine("PROD\r\nUCTION") + firstLine("\nx") + firstLine("PROD"), "PROD……PROD");
        QCOMPARE(shownLine(QString(8192, 'x')), QString(8192, 'x')); // the longest left whole
        QCOMPARE(shownLine(QString(9000, 'x')), QString(8192, 'x') + "…");
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

    void procFiles() {
        const auto a = ProcFsStatsSource(testDataPath("proc/stat-a")).readCpuTicks();
        const auto b = ProcFsStatsSource(testDataPath("proc/stat-b")).readCpuTicks();
        // user, system+irq+softirq+steal, idle+iowait, nice
        QCOMPARE(a, (CpuTicks{10000, 3550, 81000, 500}));
        QCOMPARE(cpuUsagePercent(*a, *b), 25.0);                      // dU 30, dS 20, dI 140, dN 10
        QVERIFY(ProcFsStatsSource::parseStat("cpu 100 5 30 800\n") && // 4 columns, a line's end
                ProcFsStatsSource::parseStat("cpu 100 5 30 800"));    // and the text's
        QVERIFY(!ProcFsStatsSource(testDataPath("proc/stat-damaged")).readCpuTicks());
        QVERIFY(!ProcFsStatsSource::parseStat("cpu 100 5 30\ncpu0 100 5 30 800\n")); // 3 columns
        QVERIFY(!ProcFsStatsSource(testDataPath("proc/none")).readCpuTicks());

        const auto m = ProcFsStatsSource({}, testDataPath("proc/meminfo")).readMemory();
        QCOMPARE(m->totalBytes, 16384000ull * 1024);
        QCOMPARE(m->usedBytes, (16384000ull - 6000000ull) * 1024);
        QVERIFY(!ProcFsStatsSource({}, testDataPath("proc/meminfo-no-available")).readMemory());
    }

    void usageArithmetic() {
        const CpuTicks base{1000, 1000, 1000, 1000};
        for (const auto& [previous, current, expected] : // -1: no value, prime again
             std::initializer_list<std::tuple<CpuTicks, CpuTicks, double>>{
                 {base, base, 0.0},
                 {base, {1100, 1100, 1000, 1000}, 100.0},
                 {base, {1000, 1000, 1000, 1100}, 0.0}, // nice is not busy
                 {{0xFFFFFFF0ull, 0, 0, 0}, {0x100000010ull, 0, 0x20ull, 0}, 50.0},
                 {base, {1100, 1100, 999, 1000}, -1.0}}) // a counter went down
            QCOMPARE(cpuUsagePercent(previous, current).value_or(-1.0), expected);
    }

    void samplingPrimesThenPublishes() {
        // A failed read changes nothing (nor priming); a falling counter gives none, primes again.
        ScriptedStatsSource source;
        source.cpu = {std::nullopt, CpuTicks{0, 0, 0, 0},   CpuTicks{50, 0, 50, 0},
                      std::nullopt, CpuTicks{10, 0, 10, 0}, CpuTicks{20, 0, 40, 0}};
        source.memory = {std::nullopt, MemoryStats{13271040000ull, 17179869184ull}};
        SystemMetrics metrics(source);
        QSignalSpy published(&metrics, &SystemMetrics::changed);
        metrics.start(); // its first reads fail
        // A banner showing the readouts repaints when, and only when, they read anew.
        BannerSettings shown;
        BannerView view(shown, metrics);
        struct : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                return (count += e->type() == QEvent::Paint, false);
            }
        } painted;
        view.resize(400, 28), view.show(), view.installEventFilter(&painted);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<double> usage;
        QList<qsizetype> publishedSoFar{published.count()}, paints; // memory: used, then total
        for (int i = 0; i < 5; ++i) {
            metrics.sample();
            usage << metrics.cpuUsage();
            publishedSoFar << published.count();
            painted.count = 0, QCoreApplication::processEvents(), paints << painted.count;
        }
        QCOMPARE(usage, (QList<double>{0, 50, 50, 50, 25}));
        QCOMPARE(publishedSoFar, (QList<qsizetype>{0, 2, 5, 7, 9, 12}));
        QCOMPARE(paints, (QList<qsizetype>{1, 1, 0, 0, 1}));
        QVERIFY(qAbs(metrics.memUsedGB() - 12.36) < 0.01);
        const QImage shot = view.grab().toImage(); // the readouts end at the right margin
        const auto blank = [&](int x, int w) {
            return shot.copy(x, 0, w, 28) == shot.copy(0, 0, 1, 28).scaled(w, 28);
        };
        QVERIFY(blank(392, 8) && !blank(300, 92) && !blank(386, 6));
        QCOMPARE(metrics.memTotalGB(), 16.0);
        // Measured once per change: drawn, and said to a screen reader, once the view is told.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(spoken->text(QAccessible::Name), "Vorlane");
        QCOMPARE(spoken->text(QAccessible::Description), "CPU 25%, memory 12.4/16GB");
        shown.text = "changed\nsecond line";
        view.settingsChanged();
        QVERIFY(view.grab().toImage() != shot);
        QCOMPARE(spoken->text(QAccessible::Name), "changed\u2026");
    }

    // The program's icon as a tray paints it is the installed SVG; the CPU icon is symmetric;
    // the readouts' icons take their colour.
    void iconsAsDrawn() {
        const auto difference = [](const QImage& a, const QImage& b) { // per pixel
            qint64 sum = 0;
            for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
                sum += qAbs(a.constBits()[i] - b.constBits()[i]);
            return double(sum) / double(a.width() * a.height());
        };
        QSvgRenderer svg(testDataPath("../../data/com.tarnwick.vorlane.svg"));
        for (const QSize& size : programIcon().availableSizes()) {
            QImage installed(size, QImage::Format_ARGB32_Premultiplied);
            installed.fill(Qt::transparent);
            QPainter painter(&installed);
            svg.render(&painter);
            painter.end();
            QImage painted(size, installed.format()); // by a tray at a pixel ratio of 2
            painted.fill(Qt::transparent), painted.setDevicePixelRatio(2);
            painter.begin(&painted), programIcon().paint(&painter, QRect(QPoint(), size / 2));
            painter.end();
            QVERIFY(difference(painted, installed) < 0.5); // 0.35 to 0.45 as drawn
        }
        const QImage processor = iconPixmap(Icon::processor, 48, Qt::black).toImage();
        for (const QImage& turned :
             {processor.mirrored(true, false), processor.mirrored(false, true)})
            QVERIFY(difference(processor, turned) < 1); // 0.03 as drawn
        // A readout's icon, smaller than drawn, is tinted all over.
        for (Icon icon : {Icon::processor, Icon::memoryChip}) {
            const QImage tinted = iconPixmap(icon, 13, Qt::red)
                                      .toImage()
                                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            for (int i = 0; i < tinted.width() * tinted.height(); ++i) {
                const QRgb p = tinted.pixel(i % tinted.width(), i / tinted.width());
                QVERIFY(qAbs(qRed(p) - qAlpha(p)) <= 1 && qGreen(p) == 0 && qBlue(p) == 0);
            }
        }
    }

    void everyOfferedImageTypeShows() {
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString dir = isolateUserFolders();
        for (const char* type : {"png", "jpg", "bmp", "ico", "tiff"}) {
            QVERIFY2(red.save(dir + "/logo." + type, type), type);
            QVERIFY2(!ImageCache().image(dir + "/logo." + type).isNull(), type);
        }
        // Qt writes no GIF: a recorded one, one red pixel.
        QCOMPARE(ImageCache().image(testDataPath("red.gif")).pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(ImageCache().image(dir + "/missing.png").isNull());
        // One cache reads a file again when its path, size or time alone changed.
        ImageCache cache;
        const QDateTime then = QFileInfo(dir + "/logo.bmp").lastModified();
        for (auto [name, colour, size, time] : {std::tuple{"/logo.bmp", Qt::red, 4, then},
                                                {"/other.bmp", Qt::blue, 4, then},
                                                {"/other.bmp", Qt::green, 4, then.addSecs(5)},
                                                {"/other.bmp", Qt::cyan, 5, then.addSecs(5)}}) {
            QImage picture(size, size, QImage::Format_RGB32);
            picture.fill(colour);
            QFile file(dir + name);
            QVERIFY(picture.save(dir + name) && file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
            file.close();
            QCOMPARE(cache.image(dir + name).pixelColor(0, 0), QColor(colour));
        }
    }

    // The banner's fill carries its opacity and covers its window: text, readouts and a
    // see-through image on it leave an opaque banner opaque.
    void opaqueBannerStaysOpaque() {
        const QString dir = isolateUserFolders();
        QImage faint(8, 8, QImage::Format_ARGB32);
        faint.fill(QColor(255, 0, 0, 100));
        QVERIFY(faint.save(dir + "/faint.png"));
        BannerSettings settings;
        settings.opacity = 1, settings.imagePath = dir + "/faint.png";
        ScriptedStatsSource source;
        SystemMetrics metrics(source);
        BannerWindow window(settings, metrics, {});
        window.resize(300, 28);
        QImage painted(window.size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        window.render(&painted, {}, {}, QWidget::DrawChildren); // its view fills it
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                QVERIFY2(qAlpha(painted.pixel(x, y)) == 255, qPrintable(QString::number(x)));
    }
};

VORLANE_TEST_MAIN(BannerTest)
#include "tst_banner.moc"
