// The nudging decision for one window, and the passes as the delegate runs
// them.
#include "fakes/FakePlatform.h"
#include "spaceguard/NudgeRule.h"
#include "support/TestEnvironment.h"

namespace {
std::optional<WindowChange> moveTo(int x, int y, int w, int h) {
    return WindowChange{QPoint(x, y), QSize(w, h)};
}
} // namespace

class NudgeRuleTest : public QObject {
    Q_OBJECT
private slots:
    void rule() {
        // A 1440x900 screen with a 24-point menu bar and a 70-point dock; a
        // strip 30 high (the worked examples, y down).
        const QRect top(0, 24, 1440, 30), bottom(0, 800, 1440, 30), corner(1020, 24, 420, 30);
        const std::optional<WindowChange> none;
        struct Row {
            QRect strip, window;
            std::optional<WindowChange> expected;
        };
        for (const Row& r :
             {Row{top, {100, 24, 800, 600}, moveTo(100, 54, 800, 570)},
              Row{bottom, {0, 24, 1440, 806}, WindowChange{std::nullopt, {1440, 776}}},
              Row{corner, {0, 24, 1000, 600}, none}, // beside the box
              Row{corner, {0, 24, 1100, 600}, moveTo(0, 54, 1100, 570)},
              Row{corner, {620, 24, 400, 600}, none}, // right edge on the strip's left edge
              Row{top, {100, 54, 800, 600}, none},    // top edge on the strip's bottom edge
              Row{top, {100, 53, 800, 600}, moveTo(100, 54, 800, 599)},
              Row{top, {100, 0, 800, 54}, none},   // inside the strip
              Row{top, {100, 30, 800, 124}, none}, // would keep exactly 100
              Row{top, {100, 30, 800, 125}, moveTo(100, 54, 800, 101)},
              Row{bottom, {0, 800, 1440, 20}, none}, // top edge on the strip's top edge
              Row{bottom, {0, 700, 800, 300}, none}, // would keep exactly 100
              Row{top, {100, 24, 50, 600}, none},    // 50 wide is never touched
              Row{bottom, {0, 780, 600, 50}, none},  // nor 50 high
              Row{top, {100, 24, 51, 600}, moveTo(100, 54, 51, 570)},
              Row{top, {-200, 0, 2000, 900}, moveTo(-200, 54, 2000, 846)}}) // keeps its width
            QCOMPARE(nudgeFor(r.strip, r.strip != bottom, r.window), r.expected);
    }

    void passesFollowReserveSpace() { // guard ticks and the strut: the desktop tests
        FakePlatform fake;
        fake.preferences.setData("VorlaneSettings_x", R"({"reserveSpace":false})");
        AppDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        const_cast<QTimer&>(delegate.spaceGuardTimer()).stop();
        emit fake.windows.applicationEvent(); // off: nothing
        QVERIFY(!delegate.appEventNudgeTimer().isActive());
        fire(delegate.startupNudgeTimer()); // but the pass after start-up runs
        const_cast<QTimer&>(delegate.startupNudgeTimer()).stop();
        QCOMPARE(fake.windows.passes, 1);
        delegate.toggleReserveSpace(); // on: a pass at once
        // A window activated or new: a pass 0.3 s later; those that come
        // meanwhile, one more.
        for (int i = 0; i < 3; ++i)
            emit fake.windows.applicationEvent();
        QTRY_COMPARE(fake.windows.passes, 4);
        fake.screens.setLayout(""); // no screen: no pass
        delegate.nudgeOverlappingWindows();
        QCOMPARE(fake.windows.passes, 4);
    }

    void stubbornWindowIsAskedOncePerTickForThreeTicks() {
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
        fire(delegate.spaceGuardTimer());
        fire(delegate.spaceGuardTimer());
        QCOMPARE(fake.windows.sent.size(), 6); // three ticks, then left alone
        // Out of the strip for a tick, then back: asked again.
        fake.windows.windows[0].frame.moveTop(100);
        fire(delegate.spaceGuardTimer());
        fake.windows.windows[0].frame.moveTop(10);
        fire(delegate.spaceGuardTimer());
        QCOMPARE(fake.windows.sent.size(), 7);
        QCOMPARE(fake.windows.sent.last().window.id, 7u);
    }
};

VORLANE_TEST_MAIN(NudgeRuleTest)
#include "tst_nudgerule.moc"
