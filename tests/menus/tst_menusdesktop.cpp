// The menus of the real banner on Xvfb and each window manager, driven as a
// person would: a right click on the banner, arrow keys and Return in the
// menu, typing into dialogs; the tray icons in a real tray host (trayer).
#include "app/Translations.h"
#include "instances/SessionManager.h"
#include "menus/MenuRenderer.h"
#include "platform/SettingsFiles.h"
#include "settings/BannerSettings.h"
#include "support/DesktopSession.h"
#include "support/MenuRows.h"
#include "support/TestEnvironment.h"

class MenusDesktopTest : public QObject {
    Q_OBJECT
    DesktopSession desktop{QSize(1280, 720)};
    QRect lastMenu;     // where the last menu chosen from opened
    QSize lastRendered; // and its size as this process draws it

    static BannerSettings stored(const DesktopSession::Banner& banner) {
        SettingsFiles files;
        return BannerSettings::load(files, banner.id);
    }
    // A click at `at`, then, once the banner shows its menu, the keys that
    // walk `menu` to the row at a title path (a right click), or a click on
    // that row (a left click: the tray icon's menu).
    void choose(const DesktopSession::Banner& banner, QPoint at, const MenuItem& menu,
                const QString& path, const QString& button = "3") {
        const auto shown = renderMenu(menu, [](const Command&) {});
        const MenuRow row = menuRow(*shown, path);
        QVERIFY2(row.action, qPrintable(path));
        QVERIFY(desktop.xdotool(
            {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", button}));
        const xcb_window_t opened = desktop.menuOf(banner.process->processId());
        QVERIFY(opened);
        lastMenu = desktop.geometry(opened);
        lastRendered = shown->sizeHint();
        if (button == "1") {
            const QPoint rowAt =
                desktop.geometry(opened).topLeft() + shown->actionGeometry(row.action).center();
            QVERIFY(desktop.xdotool({"mousemove", QString::number(rowAt.x()),
                                     QString::number(rowAt.y()), "click", "1"}));
            return;
        }
        QVERIFY(desktop.xdotool(
            QString("key --delay 40 " + row.keys.join(' ') + " Return").split(' ')));
    }
    // A right click on the banner, near its left end (i3 lets floating
    // windows cover the middle), then the row in the menu of its settings.
    void choose(const DesktopSession::Banner& banner, const QString& path) {
        const QRect r = desktop.geometry(banner.window);
        const BannerSettings settings = stored(banner);
        choose(banner, QPoint(r.left() + 150, r.center().y()),
               contextMenuModel({settings, {}, {}, false, banner.id}), path);
    }
    // The window that has the keyboard focus, once it is one named `title`.
    xcb_window_t focusedWindowNamed(const QString& title) {
        const bool focused = QTest::qWaitFor([&] {
            const auto name = desktop.run("xdotool", {"getwindowfocus", "getwindowname"});
            return name.value_or("").trimmed() == title.toUtf8();
        });
        return focused ? desktop.inputFocus() : 0;
    }

private slots:
    void initTestCase() {
        // A private copy of the program: "Quit All Banners" ends every process
        // of its executable, and must not reach the banners of other tests.
        const QString copy = isolateUserFolders() + "/bin/vorlane";
        QDir().mkpath(QFileInfo(copy).path());
        QVERIFY(QFile::copy(qEnvironmentVariable("VORLANE_BINARY"), copy));
        qputenv("VORLANE_BINARY", copy.toLocal8Bit());
        QVERIFY(desktop.start());
    }

    void cleanup() {
        desktop.language = "C.UTF-8";
        QVERIFY(desktop.endBannersAndWindows());
    }

    // A dialog from the banner, which never takes the focus: the dialog has
    // it, and a colour typed into it shows at once.
    void colourTypedIntoTheColourDialog() {
        const auto banner = desktop.startBanner(R"({"opacity":1,"text":""})");
        QTRY_VERIFY(desktop.isMapped(banner.window));
        choose(banner, "Background Color > Custom...");
        const xcb_window_t dialog = focusedWindowNamed("Vorlane Colors");
        QVERIFY2(dialog, "the dialog did not get the keyboard focus");
        // It carries the program's icon in its sizes from 16 up (openbox gives
        // a window without one its own 48-pixel icon).
        const auto icon = desktop.property32(dialog, "_NET_WM_ICON");
        QVERIFY(icon.size() > 2 && icon[0] == 16 && icon[1] == 16);
        // Our own dialog stays where it is put, even inside the strip.
        QVERIFY(desktop.answered(dialog, [&] {
            desktop.xdotool({"windowmove", QString::number(dialog), "300", "0"});
        }));
        QVERIFY(desktop.keepFrames({dialog}, 2500)); // a guard tick and more
        QVERIFY(desktop.xdotool({"key", "alt+h", "ctrl+a"}));
        QVERIFY(desktop.xdotool({"type", "#FF0000"}));
        QTRY_COMPARE(stored(banner).bgColorHex, QStringLiteral("#FF0000"));
        QTRY_COMPARE(desktop.screenshot().pixelColor(200, 14), QColor(Qt::red));
    }

    // In the desktop's language, rows are found by their translated titles
    // and choosing one works; a right-to-left language opens the menu to the
    // left of the click.
    void inTheDesktopsLanguage() {
        for (const auto& [language, path] :
             {std::pair{"de_DE.UTF-8", "Hintergrundfarbe > Dunkelrot"},
              {"ar_EG.UTF-8", "\u0644\u0648\u0646 \u0627\u0644\u062e\u0644\u0641\u064a\u0629 > "
                              "\u0623\u062d\u0645\u0631 \u062f\u0627\u0643\u0646"}}) {
            desktop.language = language;
            const Translations translations{QLocale(language)}; // as the banner has them
            QCoreApplication::processEvents();                  // the layout's direction
            const auto banner = desktop.startBanner(R"({"position":"bottom"})");
            QTRY_VERIFY(desktop.isMapped(banner.window));
            choose(banner, {900, desktop.geometry(banner.window).center().y()},
                   contextMenuModel({stored(banner), {}, {}, false, banner.id}),
                   QString::fromUtf8(path));
            QCOMPARE(lastMenu.size(), lastRendered); // with the titles looked for
            QCOMPARE(lastMenu.center().x() < 900,
                     QLocale(language).textDirection() == Qt::RightToLeft);
            QTRY_COMPARE(stored(banner).bgColorHex, QStringLiteral("#2e1a1a"));
        }
    }

    void quitThisAndQuitAll() {
        QFile::remove(SessionManager::defaultSessionFile());
        const auto a = desktop.startBanner(), b = desktop.startBanner(R"({"position":"bottom"})"),
                   c = desktop.startBanner(R"({"position":"bottomLeft"})");
        QTRY_COMPARE(SessionManager().load().size(), 4); // with "default"
        choose(a, "Quit This Banner");
        QVERIFY(a.process->waitForFinished(5000));
        QCOMPARE(a.process->exitCode(), 0);
        QTRY_VERIFY(!SessionManager().load().contains(a.id));
        const QByteArray document = readFile(SessionManager::defaultSessionFile());
        // Decoys: a command line holding the name, and a program with a file
        // named after it open. Only processes of the executable are banners.
        QProcess* decoy = desktop.launch("bash", {"-c", "exec -a vorlane sleep 60"});
        QProcess* editor = desktop.launch("tail", {"-f", qEnvironmentVariable("VORLANE_BINARY")});
        choose(b, "Quit All Banners");
        for (const auto& banner : {b, c}) {
            QVERIFY(banner.process->waitForFinished(5000));
            QCOMPARE(banner.process->exitCode(), 0);
        }
        QCOMPARE(readFile(SessionManager::defaultSessionFile()), document);
        QVERIFY(decoy->state() == QProcess::Running && editor->state() == QProcess::Running);
    }

    void trayIcons() {
        const auto a = desktop.startBanner(), b = desktop.startBanner(R"({"position":"bottom"})");
        // The tray host starts after the banners, and starts again.
        for (int start = 0; start < 2; ++start) {
            QProcess* trayer = desktop.launch("trayer", {"--edge", "top", "--align", "right",
                                                         "--distance", "40", "--height", "24"});
            for (const auto& banner : {a, b})
                QTRY_COMPARE(desktop.embeddedWindows(banner.process->processId()).size(), 1u);
            // The icon is drawn: a dark band above a light body.
            const QRect r = desktop.geometry(desktop.embeddedWindows(a.process->processId())[0]);
            const auto drawn = [&] {
                const QImage icon = desktop.screenshot().copy(r);
                return icon.pixelColor(r.width() / 2, r.height() / 3).lightness() < 80 &&
                       icon.pixelColor(r.width() / 2, r.height() * 2 / 3).lightness() > 180;
            };
            QTRY_VERIFY(drawn());
            if (start == 0) {
                trayer->terminate();
                QVERIFY(trayer->waitForFinished(3000));
            }
        }
        const auto useTray = [&](const DesktopSession::Banner& banner, const QString& row) {
            const auto icon = desktop.embeddedWindows(banner.process->processId());
            choose(banner, desktop.geometry(icon.at(0)).center(), trayMenuModel(), row,
                   "1"); // left click
        };
        const QRect place = desktop.geometry(b.window);
        useTray(b, "Show/Hide Banner");
        QTRY_VERIFY(!desktop.isMapped(b.window));
        QVERIFY(desktop.isMapped(a.window));
        useTray(b, "Show/Hide Banner");
        QTRY_VERIFY(desktop.isMapped(b.window));
        // Shown again, it is the same dock: above all, on every desktop, out
        // of task bars and pagers, with its strut.
        QTRY_COMPARE(desktop.geometry(b.window), place);
        const QString props = desktop.run("xprop", {"-id", QString::number(b.window)}).value_or("");
        for (const char* expected :
             {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
              "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_DESKTOP(CARDINAL) = 4294967295"})
            QVERIFY2(props.contains(expected), qPrintable(props));
        QCOMPARE(desktop.property32(b.window, "_NET_WM_STRUT_PARTIAL").at(3), 28u);

        useTray(b, "Quit Vorlane");
        QVERIFY(b.process->waitForFinished(5000));
        QCOMPARE(b.process->exitCode(), 0);
        QCOMPARE(a.process->state(), QProcess::Running);
    }
};

VORLANE_TEST_MAIN(MenusDesktopTest)
#include "tst_menusdesktop.moc"
