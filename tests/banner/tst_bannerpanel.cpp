// The banner window as the delegate drives it, on the offscreen platform
// with fake screens and a recording window system.
#include "app/AppDelegate.h"
#include "banner/BannerPanel.h"
#include "fakes/CountingDelegate.h"
#include "fakes/FakePlatform.h"

#include "support/TestEnvironment.h"
#include <QMenu>

#include <QtTest>

class BannerPanelTest : public QObject {
    Q_OBJECT
private slots:
    void followsScreenChanges() {
        FakePlatform fake;
        fake.screens.setLayout("eDP=1920x1080+0+0,HDMI=1280x1024+1920+0");
        BannerSettings stored;
        stored.instanceId = "x";
        stored.screenIndex = 1;
        stored.position = BannerPosition::bottomRight;
        stored.save(fake.preferences);

        CountingDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(delegate.panel()->geometry(), QRect(2780, 996, 420, 28));

        fake.screens.setLayout("eDP=1920x1080+0+0"); // HDMI unplugged
        QCOMPARE(delegate.panel()->geometry(), QRect(1500, 1052, 420, 28));
        QCOMPARE(delegate.passes, 1); // reserveSpace is on: re-placing nudges

        delegate.settings().reserveSpace = false;
        fake.screens.setLayout("eDP=1920x1080+0+0,HDMI=1280x1024+1920+0");
        QCOMPARE(delegate.panel()->geometry(), QRect(2780, 996, 420, 28));
        QCOMPARE(delegate.passes, 1);

        // No screen at all: the banner keeps its last frame.
        fake.screens.setLayout("");
        QCOMPARE(delegate.panel()->geometry(), QRect(2780, 996, 420, 28));
    }

    void placedBelowOtherDocks() {
        FakePlatform fake;
        Strut panel;
        panel.values[2] = 32;   // top
        panel.values[9] = 1919; // top_end_x
        fake.windows.struts = {panel};
        CountingDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QCOMPARE(delegate.panel()->geometry(), QRect(0, 32, 1920, 28));
    }

    void refreshViewKeepsTheFrameAndReplacesTheView() {
        FakePlatform fake;
        CountingDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        QPointer<BannerHostingView> before = delegate.panel()->hostingView();
        delegate.settings().bannerHeight = 60; // not applied until re-placed
        delegate.refreshView();
        QCOMPARE(delegate.panel()->geometry(), QRect(0, 0, 1920, 28));
        QVERIFY(delegate.panel()->hostingView() != before);
        QTRY_VERIFY(before.isNull()); // the old view is released
        delegate.repositionPanel();
        QCOMPARE(delegate.panel()->geometry(), QRect(0, 0, 1920, 60));
    }

    void windowHintsAreWrittenBeforeEveryShow() {
        FakePlatform fake;
        CountingDelegate delegate("x", fake.services());
        delegate.applicationDidFinishLaunching();
        BannerPanel& panel = *delegate.panel();
        panel.hideBanner();
        QVERIFY(!panel.isBannerVisible());
        fake.journal.clear();
        panel.showBanner();
        QVERIFY(panel.isBannerVisible());
        QCOMPARE(fake.journal, QStringList{"prepare banner window (visible: 0)"});
    }

    void menuCallbackOutlivesTheDelegate() {
        FakePlatform fake;
        auto delegate = std::make_unique<CountingDelegate>("x", fake.services());
        delegate->applicationDidFinishLaunching();
        const ContextMenuProvider provider = delegate->panel()->contextMenuProvider;
        QCOMPARE(delegate->panel()->hostingView()->contextMenuProvider != nullptr, true);
        QCOMPARE(provider()->title(), QStringLiteral("Banner Settings"));
        delegate.reset();
        const auto menu = provider();
        QVERIFY(menu);
        QVERIFY(menu->actions().isEmpty());
    }
};

VORLANE_TEST_MAIN(BannerPanelTest)
#include "tst_bannerpanel.moc"
