// The nudging decision for one window, and the passes as the delegate runs
// them.
#include "fakes/FakePlatform.h"
#include "spaceguard/NudgeRule.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(std::optional<WindowChange>)

namespace {
std::optional<WindowChange> moveTo(int x, int y, int w, int h) {
    return WindowChange{QPoint(x, y), QSize(w, h)};
}
} // namespace

class NudgeRuleTest : public QObject {
    Q_OBJECT
private slots:
    void rule_data() {
        QTest::addColumn<QRect>("strip");
        QTest::addColumn<bool>("top");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<std::optional<WindowChange>>("expected");
        // A 1440x900 screen with a 24-point menu bar and a 70-point dock; a
        // strip 30 high (the worked examples, y down).
        const QRect top(0, 24, 1440, 30), bottom(0, 800, 1440, 30), corner(1020, 24, 420, 30);
        const std::optional<WindowChange> none;
        QTest::newRow("top: moved down and shrunk")
            << top << true << QRect(100, 24, 800, 600) << moveTo(100, 54, 800, 570);
        QTest::newRow("bottom: shrunk from below")
            << bottom << false << QRect(0, 24, 1440, 806)
            << std::optional(WindowChange{std::nullopt, QSize(1440, 776)});
        QTest::newRow("corner: beside the box")
            << corner << true << QRect(0, 24, 1000, 600) << none;
        QTest::newRow("corner: reaching into the box")
            << corner << true << QRect(0, 24, 1100, 600) << moveTo(0, 54, 1100, 570);
        QTest::newRow("top: right edge on the strip's left edge")
            << corner << true << QRect(620, 24, 400, 600) << none;
        QTest::newRow("top: top edge on the strip's bottom edge")
            << top << true << QRect(100, 54, 800, 600) << none;
        QTest::newRow("top: one point higher")
            << top << true << QRect(100, 53, 800, 600) << moveTo(100, 54, 800, 599);
        QTest::newRow("top: inside the strip") << top << true << QRect(100, 0, 800, 54) << none;
        QTest::newRow("top: would keep exactly 100")
            << top << true << QRect(100, 30, 800, 124) << none;
        QTest::newRow("top: would keep 101")
            << top << true << QRect(100, 30, 800, 125) << moveTo(100, 54, 800, 101);
        QTest::newRow("bottom: top edge on the strip's top edge")
            << bottom << false << QRect(0, 800, 1440, 20) << none;
        QTest::newRow("bottom: would keep exactly 100")
            << bottom << false << QRect(0, 700, 800, 300) << none;
        QTest::newRow("50 wide is never touched") << top << true << QRect(100, 24, 50, 600) << none;
        QTest::newRow("50 high is never touched")
            << bottom << false << QRect(0, 780, 600, 50) << none;
        QTest::newRow("51 wide is considered")
            << top << true << QRect(100, 24, 51, 600) << moveTo(100, 54, 51, 570);
        QTest::newRow("wider than the screen keeps its width and place")
            << top << true << QRect(-200, 0, 2000, 900) << moveTo(-200, 54, 2000, 846);
    }

    void rule() {
        QFETCH(QRect, strip);
        QFETCH(bool, top);
        QFETCH(QRect, window);
        QFETCH(std::optional<WindowChange>, expected);
        QCOMPARE(nudgeFor(strip, top, window), expected);
    }

    void passesFollowReserveSpace() {
        FakePlatform fake;
        fake.windows.windows = {{7, QRect(100, 10, 800, 600), {}}};
        BannerSettings stored;
        stored.instanceId = "x";
        stored.reserveSpace = false;
        stored.save(fake.preferences);
        AppDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(fake.windows.bannerStrut, std::nullopt);

        // Off: the guard, appEvent and re-placing do nothing...
        fire(delegate.spaceGuardTimer());
        delegate.appEvent();
        QVERIFY(!delegate.appEventNudgeTimer().isActive());
        delegate.repositionPanel();
        QCOMPARE(fake.windows.passes, 0);
        // ...but the pass after start-up runs.
        fire(delegate.startupNudgeTimer());
        QCOMPARE(fake.windows.passes, 1);
        QCOMPARE(fake.windows.windows[0].frame, QRect(100, 28, 800, 582));

        // Switched on: a strut and a pass at once, and saved.
        fake.windows.windows[0].frame = QRect(100, 0, 800, 600);
        delegate.toggleReserveSpace();
        QCOMPARE(fake.windows.bannerStrut, std::optional(strutOn(Strut::Edge::top, 28, 0, 1919)));
        QCOMPARE(fake.windows.passes, 2);
        QCOMPARE(fake.windows.windows[0].frame, QRect(100, 28, 800, 572));
        QVERIFY(BannerSettings::load(fake.preferences, "x").reserveSpace);

        // A second pass finds nothing to do.
        fire(delegate.spaceGuardTimer());
        QCOMPARE(fake.windows.passes, 3);
        QCOMPARE(fake.windows.sent.size(), 2);

        // appEvent: one pass 0.3 s later.
        delegate.appEvent();
        QCOMPARE(delegate.appEventNudgeTimer().interval(), 300);
        QTRY_COMPARE(fake.windows.passes, 4);

        // Off again: no strut, windows stay where they are.
        delegate.toggleReserveSpace();
        QCOMPARE(fake.windows.bannerStrut, std::nullopt);
        QCOMPARE(fake.windows.passes, 4);
        QCOMPARE(fake.windows.windows[0].frame, QRect(100, 28, 800, 572));

        // No screen: no pass.
        fake.screens.setLayout("");
        delegate.nudgeOverlappingWindows();
        QCOMPARE(fake.windows.passes, 4);
    }

    void stubbornWindowIsAskedOncePerTick() {
        FakePlatform fake;
        fake.windows.stubborn = true;
        fake.windows.windows = {{7, QRect(100, 10, 800, 600), {}},
                                {8, QRect(900, 0, 300, 300), {}}};
        AppDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        delegate.nudgeOverlappingWindows();
        delegate.nudgeOverlappingWindows();
        QCOMPARE(fake.windows.sent.size(), 2); // each window once
        fire(delegate.spaceGuardTimer());
        QCOMPARE(fake.windows.sent.size(), 4); // a new tick asks again
    }

    void strutFollowsRePlacement() {
        FakePlatform fake;
        fake.screens.setLayout("1920x1080+0+0,1280x1024+1920+0");
        fake.windows.root = QSize(3200, 1080);
        AppDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(fake.windows.bannerStrut, std::optional(strutOn(Strut::Edge::top, 28, 0, 1919)));
        delegate.settings().position = BannerPosition::bottomRight;
        delegate.settings().screenIndex = 1;
        delegate.repositionPanel();
        // Bottom of the second monitor: down to the root's bottom edge.
        QCOMPARE(fake.windows.bannerStrut,
                 std::optional(strutOn(Strut::Edge::bottom, 1080 - 996, 2780, 3199)));
    }
};

VORLANE_TEST_MAIN(NudgeRuleTest)
#include "tst_nudgerule.moc"
