// Placement: the frame table, the target-screen rules, the visible frame that
// other docks leave, and the banner's own strut. Screen layouts are data.
#include "banner/Placement.h"
#include "banner/StrutGeometry.h"
#include "fakes/FakePlatform.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(BannerPosition)
Q_DECLARE_METATYPE(QList<Strut>)
Q_DECLARE_METATYPE(std::optional<Strut>)

using Edge = Strut::Edge;

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void frameTable_data() {
        QTest::addColumn<QRectF>("full");
        QTest::addColumn<QRectF>("visible");
        QTest::addColumn<BannerPosition>("position");
        QTest::addColumn<QRectF>("expected");
        // 1440x900 with a 24-point menu bar above and a 70-point dock below.
        const QRectF full(0, 0, 1440, 900), visible(0, 24, 1440, 806);
        QTest::newRow("top") << full << visible << BannerPosition::top << QRectF(0, 24, 1440, 30);
        QTest::newRow("bottom") << full << visible << BannerPosition::bottom
                                << QRectF(0, 800, 1440, 30);
        QTest::newRow("topLeft") << full << visible << BannerPosition::topLeft
                                 << QRectF(0, 24, 420, 30);
        QTest::newRow("bottomRight")
            << full << visible << BannerPosition::bottomRight << QRectF(1020, 800, 420, 30);
        // A dock on the left: the top family ignores it, the bottom family not.
        const QRectF leftDock(80, 0, 1360, 900);
        QTest::newRow("top beside left dock")
            << full << leftDock << BannerPosition::top << QRectF(0, 0, 1440, 30);
        QTest::newRow("bottomLeft beside left dock")
            << full << leftDock << BannerPosition::bottomLeft << QRectF(80, 870, 420, 30);
        const QRectF second(1440, 0, 1920, 1080);
        QTest::newRow("topRight of a second screen")
            << second << second << BannerPosition::topRight << QRectF(2940, 0, 420, 30);
    }

    void frameTable() {
        QFETCH(QRectF, full);
        QFETCH(QRectF, visible);
        QFETCH(BannerPosition, position);
        QFETCH(QRectF, expected);
        QCOMPARE(frameFor(position, full, visible, 30), expected);
    }

    void targetScreen_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<qint64>("screenIndex");
        QTest::addColumn<int>("expected"); // -1: no screen at all
        const QString two = "eDP-1=1920x1080+0+0,HDMI-1=1280x1024+1920+0";
        QTest::newRow("name wins over index") << two << "eDP-1" << qint64(1) << 0;
        QTest::newRow("name is case-sensitive") << two << "hdmi-1" << qint64(0) << 0;
        QTest::newRow("stale name, index") << two << "DP-3" << qint64(1) << 1;
        QTest::newRow("index past the end") << two << "" << qint64(2) << 0;
        QTest::newRow("negative index") << two << "" << qint64(-1) << 0;
        QTest::newRow("same name twice: the earlier")
            << "A=800x600+0+0,DELL=800x600+800+0,DELL=800x600+1600+0"
            << "DELL" << qint64(2) << 1;
        QTest::newRow("no screens") << ""
                                    << "HDMI-1" << qint64(0) << -1;
    }

    void targetScreen() {
        QFETCH(QString, layout);
        QFETCH(QString, screenName);
        QFETCH(qint64, screenIndex);
        QFETCH(int, expected);
        BannerSettings s;
        s.screenName = screenName;
        s.screenIndex = screenIndex;
        const auto index = targetScreenIndex(s, screenLayout(layout));
        QCOMPARE(index ? int(*index) : -1, expected);
    }

    void visibleFrame_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QSize>("root");
        QTest::addColumn<QList<Strut>>("struts");
        QTest::addColumn<QList<QRect>>("expected");
        const QString two = "1280x1024+0+0,640x480+1280+0";
        const QSize root(1920, 1080);
        QTest::newRow("top panel on the right monitor only")
            << two << root << QList<Strut>{strutOn(Edge::top, 30, 1280, 1919)}
            << QList<QRect>{QRect(0, 0, 1280, 1024), QRect(1280, 30, 640, 450)};
        QTest::newRow("bottom strut below both monitors reaches neither")
            << two << root << QList<Strut>{strutOn(Edge::bottom, 40, 0, 1919)}
            << QList<QRect>{QRect(0, 0, 1280, 1024), QRect(1280, 0, 640, 480)};
        QTest::newRow("bottom strut tall enough for the left one")
            << two << root << QList<Strut>{strutOn(Edge::bottom, 100, 0, 1279)}
            << QList<QRect>{QRect(0, 0, 1280, 980), QRect(1280, 0, 640, 480)};
        QTest::newRow("left and right docks, two top panels: the deeper wins")
            << "1920x1080+0+0" << root
            << QList<Strut>{strutOn(Edge::left, 64, 0, 1079), strutOn(Edge::right, 10, 0, 1079),
                            strutOn(Edge::top, 24, 0, 1919), strutOn(Edge::top, 30, 0, 99)}
            << QList<QRect>{QRect(64, 30, 1846, 1050)};
        QTest::newRow("strut deeper than the monitor")
            << "1920x1080+0+0" << root << QList<Strut>{strutOn(Edge::top, 5000, 0, 1919)}
            << QList<QRect>{QRect(0, 0, 1, 1)};
        QTest::newRow("HiDPI: device pixels become logical ones")
            << "1280x720+0+0@2" << QSize(2560, 1440)
            << QList<Strut>{strutOn(Edge::top, 60, 0, 2559)}
            << QList<QRect>{QRect(0, 30, 1280, 690)};
    }

    void visibleFrame() {
        QFETCH(QString, layout);
        QFETCH(QSize, root);
        QFETCH(QList<Strut>, struts);
        QFETCH(QList<QRect>, expected);
        QList<QRect> actual;
        for (const ScreenInfo& screen : screenLayout(layout))
            actual.append(::visibleFrame(screen, root, struts));
        QCOMPARE(actual, expected);
    }

    void bannerStrut_data() {
        QTest::addColumn<QRect>("banner");
        QTest::addColumn<bool>("top");
        QTest::addColumn<QSize>("root");
        QTest::addColumn<QList<QRect>>("otherMonitors");
        QTest::addColumn<std::optional<Strut>>("expected");
        const QSize root(1920, 1080);
        QTest::newRow("below another dock")
            << QRect(0, 40, 1920, 28) << true << root << QList<QRect>{}
            << std::optional(strutOn(Edge::top, 68, 0, 1919));
        QTest::newRow("top-right corner only")
            << QRect(1500, 0, 420, 28) << true << root << QList<QRect>{}
            << std::optional(strutOn(Edge::top, 28, 1500, 1919));
        QTest::newRow("bottom of a shorter monitor beside a taller one")
            << QRect(1280, 452, 640, 28) << false << root << QList<QRect>{QRect(0, 0, 1280, 1024)}
            << std::optional(strutOn(Edge::bottom, 628, 1280, 1919));
        QTest::newRow("top banner with a monitor above: none")
            << QRect(0, 1080, 1920, 28) << true << QSize(1920, 2160)
            << QList<QRect>{QRect(0, 0, 1920, 1080)} << std::optional<Strut>();
        QTest::newRow("bottom banner with a monitor below: none")
            << QRect(0, 1052, 1920, 28) << false << QSize(1920, 2160)
            << QList<QRect>{QRect(0, 1080, 1920, 1080)} << std::optional<Strut>();
        QTest::newRow("partly off the root: cut to it")
            << QRect(-100, 0, 420, 28) << true << root << QList<QRect>{}
            << std::optional(strutOn(Edge::top, 28, 0, 319));
    }

    void bannerStrut() {
        QFETCH(QRect, banner);
        QFETCH(bool, top);
        QFETCH(QSize, root);
        QFETCH(QList<QRect>, otherMonitors);
        QFETCH(std::optional<Strut>, expected);
        QCOMPARE(::bannerStrut(banner, top, root, otherMonitors), expected);
    }

    void strutWireFormat() {
        const Strut s = strutOn(Edge::bottom, 28, 5, 1919);
        const std::array<std::uint32_t, 12> wire{0, 0, 0, 28, 0, 0, 0, 0, 0, 0, 5, 1919};
        QCOMPARE(s.partial(), wire);
        QCOMPARE(Strut::fromPartial(wire), s);
        const std::array<std::uint32_t, 4> plain{0, 0, 24, 0};
        QCOMPARE(Strut::fromPlain(plain, QSize(1920, 1080)), strutOn(Edge::top, 24, 0, 1919));
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
