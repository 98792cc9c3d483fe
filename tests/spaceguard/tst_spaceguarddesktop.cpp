// Keeping the strip clear on a real X server (Xvfb 1280x1024 and each window manager):
// other programs' windows moved and shrunk, struts, and what is left alone.
#include "support/DesktopSession.h"
#include "support/TestEnvironment.h"

class SpaceGuardDesktopTest : public QObject {
    Q_OBJECT
    DesktopSession desktop{QSize(1280, 1024)};

    using Strut = std::vector<uint32_t>;

private slots:
    void initTestCase() { QVERIFY(desktop.start()); }

    void cleanup() { QVERIFY(desktop.endBannersAndWindows()); }

    void topBannerClearsItsStrip() {
        const xcb_window_t overlapping = desktop.openWindow(QRect(100, 10, 600, 400));
        const xcb_window_t dock = desktop.openDock(false, 30);
        const xcb_window_t sibling = desktop.startBanner(R"({"position":"bottomLeft"})").window;
        QTRY_COMPARE(desktop.geometry(sibling), QRect(0, 966, 420, 28));

        const xcb_window_t banner = desktop.startBanner(R"({"position":"top"})").window;
        QTRY_COMPARE(desktop.geometry(banner), QRect(0, 0, 1280, 28));
        QTRY_COMPARE(desktop.frameGeometry(overlapping), QRect(100, 28, 600, 382));
        QCOMPARE(desktop.geometry(dock), QRect(0, 994, 1280, 30));
        QCOMPARE(desktop.geometry(sibling), QRect(0, 966, 420, 28)); // banners are never moved

        // The strip is reserved: strut and work area.
        QCOMPARE(desktop.property32(banner, "_NET_WM_STRUT_PARTIAL"),
                 (Strut{0, 0, 28, 0, 0, 0, 0, 0, 0, 1279, 0, 0}));
        QCOMPARE(desktop.property32(banner, "_NET_WM_STRUT"), (Strut{0, 0, 28, 0}));
        const auto workArea = [&] { // of the first desktop
            const auto area = desktop.property32(desktop.root(), "_NET_WORKAREA");
            return area.size() < 4 ? Strut() : Strut(area.begin(), area.begin() + 4);
        };
        if (DesktopSession::windowManager() != "i3") // which publishes none
            QTRY_COMPARE(workArea(), (Strut{0, 28, 1280, 938}));
        // A new window across the strip is pushed out, and one dragged into it,
        // within two guard ticks (xfwm4 itself keeps both below); then all stays.
        const QRect settled = desktop.frameGeometry(overlapping);
        const xcb_window_t late = desktop.openWindow(QRect(100, 5, 600, 400));
        QTRY_VERIFY_WITH_TIMEOUT(desktop.frameGeometry(late).top() >= 28, 5000);
        QVERIFY(desktop.answered(late, [&] {
            desktop.xdotool({"windowmove", QString::number(late), "100", "0"});
        }));
        const int bottom = desktop.frameGeometry(late).bottom();
        QTRY_VERIFY_WITH_TIMEOUT(desktop.frameGeometry(late).top() >= 28, 4500);
        const QRect dragged = desktop.frameGeometry(late);
        QCOMPARE(dragged.bottom(), bottom);
        QCOMPARE(desktop.frameGeometry(overlapping), settled);
        QVERIFY(desktop.keepFrames({late, overlapping}, 20000)); // ten guard ticks
    }

    void bottomAndCornerBanners() {
        const xcb_window_t w = desktop.openWindow(QRect(100, 700, 600, 310));
        const xcb_window_t beside = desktop.openWindow(QRect(100, 10, 700, 300));
        // Decorated: its title bar reaches into the strip, and it is the
        // frame that leaves it, the bottom edge staying put.
        const xcb_window_t reaching = desktop.openWindow(QRect(700, 10, 300, 300), true);
        const QRect before = desktop.frameGeometry(reaching);
        const xcb_window_t bottom = desktop.startBanner(R"({"position":"bottom"})").window;
        const xcb_window_t corner = desktop.startBanner(R"({"position":"topRight"})").window;
        QTRY_COMPARE(desktop.geometry(corner), QRect(860, 0, 420, 28));
        QTRY_COMPARE(desktop.frameGeometry(w), QRect(100, 700, 600, 296));
        QTRY_COMPARE(desktop.frameGeometry(reaching),
                     QRect(before.left(), 28, before.width(), before.bottom() + 1 - 28));
        QCOMPARE(desktop.frameGeometry(beside), QRect(100, 10, 700, 300));
        QCOMPARE(desktop.property32(bottom, "_NET_WM_STRUT_PARTIAL"),
                 (Strut{0, 0, 0, 28, 0, 0, 0, 0, 0, 0, 0, 1279}));
    }
};

VORLANE_TEST_MAIN(SpaceGuardDesktopTest)
#include "tst_spaceguarddesktop.moc"
