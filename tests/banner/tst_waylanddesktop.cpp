// The real banner on Wayland desktops, started as a user would start it: a
// layer surface of its own on headless sway (no tiled window), the X11 dock
// through XWayland on headless mutter (GNOME), which has no layer shell.
#include "menus/MenuModel.h"
#include "menus/MenuRenderer.h"
#include "settings/BannerSettings.h"
#include "support/MenuRows.h"
#include "support/SwaySession.h"

class WaylandDesktopTest : public QObject {
    Q_OBJECT
    SwaySession sway;
    SettingsFiles files;
    const QByteArray red = "{\"bgColorHex\":\"#FF0000\",\"opacity\":1,\"text\":\"\"";

    // The colour of the screen at a point, once it is the one expected.
    bool shows(QPoint at, QColor colour) {
        return QTest::qWaitFor([&] { return sway.screenshot().pixelColor(at) == colour; }, 10000);
    }

private slots:
    void initTestCase() { QVERIFY(sway.start()); }
    void cleanup() {
        QVERIFY(sway.endBanners());
        sway.swaymsg({"output", "HEADLESS-1", "scale", "1"});
        sway.swaymsg({"bar", "edge", "mode", "invisible"});
    }

    void keepsItsStrip() {
        // A red banner at the output's scale and at Qt's: the area tiled windows
        // get, and the banner in the output's pixels (twice the layout's at 2).
        const QRect all(0, 0, 1920, 1080);
        for (const auto& [settings, workspace, banner, scale, qtScale] :
             std::initializer_list<std::tuple<QByteArray, QRect, QRect, int, int>>{
                 {"}", {0, 28, 1920, 1052}, {0, 0, 1920, 28}, 1, 1},
                 {",\"position\":\"bottom\"}", {0, 0, 1920, 1052}, {0, 1052, 1920, 28}, 1, 1},
                 // A box in a corner keeps no strip of the edge, as the protocol says.
                 {",\"position\":\"bottomRight\"}", all, {1500, 1052, 420, 28}, 1, 1},
                 {"}", {0, 28, 960, 512}, {0, 0, 1920, 56}, 2, 1},
                 {",\"position\":\"bottom\"}", {0, 0, 1920, 1024}, {0, 1024, 1920, 56}, 1, 2},
                 {",\"position\":\"topRight\"}", all, {1080, 0, 840, 56}, 1, 2}}) {
            sway.swaymsg({"output", "HEADLESS-1", "scale", QString::number(scale)});
            QProcessEnvironment env = sway.environment();
            env.insert("QT_SCALE_FACTOR", QString::number(qtScale));
            sway.startBanner(red + settings, env);
            QTRY_COMPARE_WITH_TIMEOUT(sway.workspace(), workspace, 10000);
            QVERIFY(shows(banner.topLeft() + QPoint(2, 2), Qt::red));
            QVERIFY(shows(banner.bottomRight() - QPoint(2, 2), Qt::red));
            QCOMPARE(sway.workspace(), workspace); // with the banner drawn
            const QImage shot = sway.screenshot();
            for (QPoint p : {banner.topLeft() + QPoint(2, -1), banner.bottomLeft() + QPoint(2, 1)})
                QVERIFY(!shot.rect().contains(p) || shot.pixelColor(p) != QColor(Qt::red));
            cleanup();
        }
    }

    // Two banners at one edge, the newer one nearest it, or a banner with
    // swaybar nearer the edge: the inner banner's menu opens at the click
    // beside its own strip, drawn whole above the other banner or the bar. A
    // click on the other one closes it and chooses nothing, and so does
    // Escape; a row chosen with the keys works, and one clicked.
    void menusOpenBesideTheirOwnStrip() {
        const QByteArray blue = QByteArray(red).replace("FF0000", "0000FF");
        for (const auto& [top, bar] : {std::pair{true, false}, {false, false}, {true, true}}) {
            const QByteArray edge = top ? "}" : ",\"position\":\"bottom\"}";
            if (bar)
                sway.swaymsg({"bar", "edge", "mode", "dock"});
            const QString inner = sway.startBanner(red + edge);
            if (!bar) {
                QVERIFY(shows({300, top ? 14 : 1066}, Qt::red));
                sway.startBanner(blue + edge); // at the edge: the red one moves in
                QVERIFY(shows({300, top ? 14 : 1066}, Qt::blue));
            }
            // Where the red strip is (the layer shell puts sway's bar, on a
            // lower layer, beyond the banner), and a point of the other one.
            int strip = -1;
            QVERIFY(QTest::qWaitFor([&] {
                const QImage shot = sway.screenshot();
                for (int y = 0; y < shot.height() && strip < 0; ++y)
                    strip = shot.pixelColor(300, y) == QColor(Qt::red) ? y : -1;
                return bar ? sway.workspace().top() > 28 : strip >= 0;
            }));
            const QPoint at(300, strip + 14);
            const QPoint other(300,
                               bar ? (strip ? strip / 2 : 28 + (sway.workspace().top() - 28) / 2)
                                   : (top ? 14 : 1066));
            const QByteArray stored = readFile(files.filePath("VorlaneSettings_" + inner));
            const auto menu = renderMenu(
                contextMenuModel({BannerSettings::load(files, inner), {}, {}, false, inner}), {});
            const QPoint corner(at.x(), top ? strip + 28 : strip - menu->sizeHint().height());
            const auto rowAt = [&](const QString& title) {
                return corner + menu->actionGeometry(menuRow(*menu, title).action).center();
            };
            const QPoint first = rowAt("Banner Size: 28 pt"), last = rowAt("Quit All Banners");
            const QImage bare = sway.screenshot();
            // A sanitized banner on a busy machine takes seconds over its first menu.
            const auto opened = [&] {
                return QTest::qWaitFor(
                    [&] {
                        const QImage shot = sway.screenshot();
                        return shot.pixelColor(first) != bare.pixelColor(first) &&
                               shot.pixelColor(last) != bare.pixelColor(last);
                    },
                    15000);
            };
            QVERIFY(sway.click(at, "none") && sway.click(at, "right") && opened());
            QVERIFY(sway.click(other, "left")); // closes it, and nothing else
            QVERIFY(shows(first, bare.pixelColor(first)) && shows(last, bare.pixelColor(last)));
            QVERIFY(sway.click(at, "right") && opened());
            QVERIFY(sway.click(at, "left"));
            QVERIFY(shows(first, bare.pixelColor(first)));
            QCOMPARE(readFile(files.filePath("VorlaneSettings_" + inner)), stored);
            QVERIFY(sway.click(at, "right") && opened() && sway.keys({"Escape"}));
            QVERIFY(shows(first, bare.pixelColor(first)));
            const MenuRow cpu = menuRow(*menu, "Metrics > Show CPU");
            QVERIFY(sway.click(at, "right") && opened());
            QVERIFY(sway.keys(cpu.keys + QStringList{"Return"}));
            QTRY_VERIFY(!BannerSettings::load(files, inner).showCPU);
            QVERIFY(sway.click(at, "right") && opened()); // last: the strips move then
            QVERIFY(sway.click(rowAt("Reserve Screen Space"), "left"));
            QTRY_VERIFY(!BannerSettings::load(files, inner).reserveSpace);
            cleanup(); // both banners still run: each ends cleanly
        }
    }

    // The tray menu on swaybar opens at the icon for either button. A click
    // elsewhere (the desktop, the banner) closes it and chooses nothing; a
    // click on a row chooses that row.
    void trayMenuOpensAtTheIcon() {
        sway.startBanner(red + ",\"position\":\"bottom\",\"showCPU\":false}");
        QVERIFY(shows({300, 1066}, Qt::red));
        sway.swaymsg({"bar", "edge", "mode", "dock"});
        QTRY_VERIFY_WITH_TIMEOUT(sway.workspace().top() > 0, 10000);
        QPoint icon; // the rightmost thing on the bar
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QImage shot = sway.screenshot();
                const int y = sway.workspace().top() / 2;
                for (int x = 1919; x > 1000 && icon.isNull(); --x)
                    icon = shot.pixel(x, y) != shot.pixel(1000, y) ? QPoint(x - 6, y) : QPoint();
                return !icon.isNull();
            },
            10000));
        const auto menu = renderMenu(trayMenuModel(), {});
        QVERIFY(sway.click(icon, "none")); // the pointer is drawn there on every screenshot
        const QImage bare = sway.screenshot();
        const auto shown = [&] { // what differs from the bare screen, far from the banner
            const QImage shot = sway.screenshot();
            QRect changed;
            for (int y = 0; y < 540; ++y)
                for (int x = 1000; x < shot.width(); ++x)
                    changed |= shot.pixel(x, y) != bare.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
            return changed;
        };
        for (const auto& [button, away] : {std::pair{"left", QPoint(600, 500)},
                                           {"right", QPoint(300, 1066)},
                                           {"left", QPoint()}}) {
            QRect at;
            QVERIFY(sway.click(icon, button));
            QVERIFY(
                QTest::qWaitFor([&] { return (at = shown()).size() == menu->sizeHint(); }, 15000));
            QVERIFY2(qAbs(at.top() - icon.y()) <= 3 && at.left() <= icon.x() &&
                         at.right() >= icon.x() - 3,
                     qPrintable(QString("opened at %1,%2 for the icon at %3,%4")
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(icon.x())
                                    .arg(icon.y())));
            QAction* row = menuRow(*menu, "Show/Hide Banner").action;
            QVERIFY(sway.click(
                away.isNull() ? at.topLeft() + menu->actionGeometry(row).center() : away, "left"));
            QVERIFY(sway.click(icon, "none") && QTest::qWaitFor([&] { return shown().isEmpty(); }));
            // The banner still there, or hidden by the row chosen.
            QVERIFY(shows({300, 1066}, away.isNull() ? bare.pixelColor(600, 500) : Qt::red));
        }
    }

    // On the screen it names, once that screen is there.
    void followsOutputs() {
        sway.startBanner("{\"screenName\":\"XWAYLAND1\"}");
        QTRY_COMPARE_WITH_TIMEOUT(sway.workspace().top(), 28, 5000);
        QStringList before;
        QTRY_VERIFY_WITH_TIMEOUT(!(before = sway.bannerBuffers()).isEmpty(), 5000); // drawn
        sway.swaymsg({"create_output"});
        sway.swaymsg({"create_output"}); // one more after the one it names
        QTRY_COMPARE_WITH_TIMEOUT(sway.workspace("HEADLESS-2").top(), 28, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(sway.workspace().top(), 0, 5000);
        // Nothing is sent for an output the banner rightly leaves alone.
        QTest::qWait(500);
        QCOMPARE(sway.workspace("HEADLESS-3"), QRect(0, 0, 1920, 1080).translated(3840, 0));
        for (const QString& buffer : before) // drawn for the first output: given back
            QTRY_VERIFY(!(sway.bannerBuffers() + sway.bannerBuffers(false)).contains(buffer));
    }

    // Drawn again for an output's new scale, also as a box whose size stays.
    void drawnAgainAtANewScale() {
        sway.startBanner(R"({"position":"topRight","showCPU":false,"showMemory":false})");
        const auto drawnAt = [&](int scale) { // 420 x 28, each pixel 4 bytes, at that scale
            const QStringList buffers = sway.bannerBuffers(false);
            return std::any_of(buffers.cbegin(), buffers.cend(), [&](const QString& b) {
                return b.section('/', 1).toInt() >= 420 * 28 * 4 * scale * scale;
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(drawnAt(1), 5000);
        QVERIFY(!drawnAt(2));
        sway.swaymsg({"output", "HEADLESS-1", "scale", "2"});
        QTRY_VERIFY_WITH_TIMEOUT(drawnAt(2), 5000);
    }

    // Every change is drawn, long after each buffer has been used once, and a
    // new size in a buffer of its own size (two draws at each size).
    void drawsEveryChange() {
        const QString file = files.filePath("VorlaneSettings_" + sway.startBanner("{}"));
        int next = Qt::red;
        for (const QByteArray position : {"top", "top", "topLeft", "topLeft", "top"}) {
            const QColor colour = Qt::GlobalColor(next++);
            renameInto(file, "{\"opacity\":1,\"position\":\"" + position + "\",\"bgColorHex\":\"" +
                                 colour.name().toLatin1() + "\"}");
            QVERIFY(shows({position == "top" ? 1500 : 400, 14}, colour));
        }
    }

    // mutter has no layer shell: there the banner is the X11 dock.
    void throughXWaylandOnMutter() {
        QTemporaryDir runtime; // private to its owner, as a runtime folder must be
        QProcess mutter;
        QProcessEnvironment env = sway.environment(); // its session bus
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        mutter.setProcessEnvironment(env);
        mutter.setProcessChannelMode(QProcess::MergedChannels);
        mutter.start("mutter", {"--wayland", "--headless", "--virtual-monitor", "1920x1080",
                                "--wayland-display", "wayland-0"});
        QByteArray said;
        const QRegularExpression publicDisplay("public X11 display (:\\d+)");
        QVERIFY(QTest::qWaitFor(
            [&] { return publicDisplay.match(said += mutter.readAll()).hasMatch(); }, 15000));
        const QString xauth =
            runtime.filePath(QDir(runtime.path())
                                 .entryList({".mutter-Xwaylandauth.*"}, QDir::Hidden | QDir::Files)
                                 .value(0));
        env = sway.environment();
        env.insert("DISPLAY", publicDisplay.match(said).captured(1));
        env.insert("XAUTHORITY", xauth);
        env.insert("WAYLAND_DISPLAY", runtime.path() + "/wayland-0");
        // A bus without swaybar's tray: there Qt 6.4 would show its own D-Bus
        // tray icon, which leaks at exit. The X11 tray is tested under openbox.
        QProcess bus;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(5000));
        env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLatin1(bus.readLine().trimmed()));
        const auto x = [&](const QString& program, const QStringList& arguments) {
            return output(program, arguments, env).value_or("");
        };
        sway.startBanner("{}", env);
        // A dock at the top that mutter keeps windows out of...
        QTRY_VERIFY_WITH_TIMEOUT(
            x("xprop", {"-root", "_NET_WORKAREA"}).contains("= 0, 28, 1920, 1052"), 10000);
        const QByteArray window = x("xdotool", {"search", "--name", "^Vorlane$"}).trimmed();
        // ...and that a click does not focus (nor a missing window pass).
        x("xdotool", {"mousemove", "300", "10", "click", "1"});
        QTest::qWait(500); // the focus mutter would wrongly give comes with no event to wait for
        QVERIFY(!x("xdotool", {"getactivewindow"}).startsWith(window));
        QVERIFY(sway.endBanners());
        for (QProcess* p : {&mutter, &bus})
            p->terminate(), p->waitForFinished(5000);
    }
};

VORLANE_TEST_MAIN(WaylandDesktopTest)
#include "tst_waylanddesktop.moc"
