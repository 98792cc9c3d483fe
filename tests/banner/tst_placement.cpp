// Placement: the frame table, the target-screen rules, the visible frame that
// other docks leave, and the banner's own strut. Screen layouts are data.
#include "banner/Placement.h"
#include "banner/StrutGeometry.h"
#include "fakes/FakePlatform.h"
#include "support/TestEnvironment.h"

using Edge = Strut::Edge;
using P = BannerPosition;

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void frameTable() {
        // 1440x900 with a 24-point menu bar above and a 70-point dock below;
        // a dock on the left: the top family ignores it, the bottom one not.
        const QRectF full(0, 0, 1440, 900), visible(0, 24, 1440, 806), leftDock(80, 0, 1360, 900);
        const QRectF second(1440, 0, 1920, 1080);
        struct Row {
            P position;
            QRectF full, visible, expected;
        };
        for (const Row& r : {Row{P::top, full, visible, {0, 24, 1440, 30}},
                             Row{P::bottom, full, visible, {0, 800, 1440, 30}},
                             Row{P::bottomRight, full, visible, {1020, 800, 420, 30}},
                             Row{P::top, full, leftDock, {0, 0, 1440, 30}},
                             Row{P::bottomLeft, full, leftDock, {80, 870, 420, 30}},
                             Row{P::topRight, second, second, {2940, 0, 420, 30}}})
            QCOMPARE(frameFor(r.position, r.full, r.visible, 30), r.expected);
    }

    void targetScreen() {
        const auto two = screenLayout("eDP-1=1920x1080+0+0,HDMI-1=1280x1024+1920+0");
        const auto sameNames = screenLayout("A=800x600+0+0,DELL=800x600+800+0,DELL=800x600+1600+0");
        struct Row {
            QList<ScreenInfo> screens;
            QString name;
            qint64 index;
            int expected; // -1: no screen at all
        };
        for (const Row& r : {Row{two, "eDP-1", 1, 0},      // the name wins over the index
                             Row{two, "DP-3", 1, 1},       // a stale name: the index
                             Row{two, "", 2, 0},           // an index past the end: the first
                             Row{sameNames, "DELL", 2, 1}, // the same name twice: the earlier
                             Row{{}, "HDMI-1", 0, -1}}) {
            BannerSettings s;
            s.screenName = r.name;
            s.screenIndex = r.index;
            QCOMPARE(targetScreenIndex(s, r.screens).value_or(-1), r.expected);
        }
    }

    void visibleFrame() {
        const QSize root(1920, 1080);
        struct Row {
            QString layout;
            QList<Strut> struts;
            QList<QRect> expected;
        };
        const QString two = "1280x1024+0+0,640x480+1280+0";
        for (const Row& r :
             {// A top panel on the right monitor only.
              Row{two,
                  {strutOn(Edge::top, 30, 1280, 1919)},
                  {{0, 0, 1280, 1024}, {1280, 30, 640, 450}}},
              // A bottom strut below both monitors reaches neither; a deep one the left.
              Row{two,
                  {strutOn(Edge::bottom, 40, 0, 1919)},
                  {{0, 0, 1280, 1024}, {1280, 0, 640, 480}}},
              Row{two,
                  {strutOn(Edge::bottom, 100, 0, 1279)},
                  {{0, 0, 1280, 980}, {1280, 0, 640, 480}}},
              // Left and right docks, two top panels: the deeper wins.
              Row{"1920x1080+0+0",
                  {strutOn(Edge::left, 64, 0, 1079), strutOn(Edge::right, 10, 0, 1079),
                   strutOn(Edge::top, 24, 0, 1919), strutOn(Edge::top, 30, 0, 99)},
                  {{64, 30, 1846, 1050}}},
              Row{"1920x1080+0+0", {strutOn(Edge::top, 5000, 0, 1919)}, {{0, 0, 1, 1}}}}) {
            QList<QRect> actual;
            for (const ScreenInfo& screen : screenLayout(r.layout))
                actual.append(::visibleFrame(screen, root, r.struts));
            QCOMPARE(actual, r.expected);
        }
        // HiDPI: device pixels become logical ones.
        QCOMPARE(::visibleFrame(screenLayout("1280x720+0+0@2")[0], QSize(2560, 1440),
                                {strutOn(Edge::top, 60, 0, 2559)}),
                 QRect(0, 30, 1280, 690));
    }

    void bannerStrut() {
        const QSize root(1920, 1080), tall(1920, 2160);
        struct Row {
            QRect banner;
            bool top;
            QSize root;
            QList<QRect> otherMonitors;
            std::optional<Strut> expected;
        };
        for (const Row& r :
             {Row{{0, 40, 1920, 28}, true, root, {}, strutOn(Edge::top, 68, 0, 1919)}, // below a
                                                                                       // dock
              Row{{1500, 0, 420, 28}, true, root, {}, strutOn(Edge::top, 28, 1500, 1919)},
              // The bottom of a shorter monitor beside a taller one.
              Row{{1280, 452, 640, 28},
                  false,
                  root,
                  {{0, 0, 1280, 1024}},
                  strutOn(Edge::bottom, 628, 1280, 1919)},
              // Another monitor between the banner and the root's edge: none.
              Row{{0, 1080, 1920, 28}, true, tall, {{0, 0, 1920, 1080}}, std::nullopt},
              Row{{0, 1052, 1920, 28}, false, tall, {{0, 1080, 1920, 1080}}, std::nullopt},
              Row{{-100, 0, 420, 28}, true, root, {}, strutOn(Edge::top, 28, 0, 319)}})
            QCOMPARE(::bannerStrut(r.banner, r.top, r.root, r.otherMonitors), r.expected);

        // The X11 wire forms.
        const std::array<std::uint32_t, 12> wire{0, 0, 0, 28, 0, 0, 0, 0, 0, 0, 5, 1919};
        QCOMPARE(strutOn(Edge::bottom, 28, 5, 1919).partial(), wire);
        QCOMPARE(Strut::fromPartial(wire), strutOn(Edge::bottom, 28, 5, 1919));
        const std::array<std::uint32_t, 4> plain{0, 0, 24, 0};
        QCOMPARE(Strut::fromPlain(plain, root), strutOn(Edge::top, 24, 0, 1919));
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
    }
};

VORLANE_TEST_MAIN(PlacementTest)
#include "tst_placement.moc"
