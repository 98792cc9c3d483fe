#pragma once

// A private X desktop for one test: Xvfb on a display number of its own, a
// window manager (VORLANE_TEST_WM: openbox, the default, xfwm4 or i3), and
// an xcb connection through which the test looks at the server.
#include "platform/x11/X11Properties.h"
#include "support/ScreenLayout.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/prctl.h>

class DesktopSession {
public:
    explicit DesktopSession(QSize rootSize = QSize(1920, 1080))
        : m_rootSize(rootSize) {}

    ~DesktopSession() {
        if (m_connection)
            xcb_disconnect(m_connection);
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
            (*it)->terminate();
            if (!(*it)->waitForFinished(3000))
                (*it)->kill();
            delete *it; // waits for its end
        }
    }

    bool start() {
        QProcess* xvfb = child();
        // -displayfd 1: Xvfb finds a free display number and prints it.
        xvfb->start("Xvfb", {"-displayfd", "1", "-screen", "0",
                             QString("%1x%2x24").arg(m_rootSize.width()).arg(m_rootSize.height()),
                             "-nolisten", "tcp"});
        for (int i = 0; i < 50 && !xvfb->canReadLine(); ++i)
            xvfb->waitForReadyRead(200);
        m_display = ":" + QString::fromLatin1(xvfb->readLine().trimmed());
        m_connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
        if (m_display == ":" || xcb_connection_has_error(m_connection))
            return false;
        m_root = rootWindow(m_connection);
        return startWindowManager();
    }

    static QString windowManager() { return qEnvironmentVariable("VORLANE_TEST_WM", "openbox"); }

    // The test's environment (its private HOME) with this display, Qt on xcb.
    QString language = "C.UTF-8"; // the banners' (LANG): the titles the tests look for
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", language);
        env.insert("DISPLAY", m_display);
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    std::optional<QByteArray> run(const QString& program, const QStringList& arguments) {
        return output(program, arguments, environment());
    }
    bool xdotool(const QStringList& arguments) { return bool(run("xdotool", arguments)); }

    // Starts a program that lives until the session ends (or it is ended).
    QProcess* launch(const QString& program, const QStringList& arguments = {}) {
        QProcess* p = child();
        p->setStandardOutputFile(QProcess::nullDevice());
        p->start(program, arguments);
        p->waitForStarted(5000);
        return p;
    }

    // Stores the settings under a new identifier, starts that banner, waits for its window (or 0).
    struct Banner {
        QProcess* process = nullptr;
        xcb_window_t window = 0;
        QString id;
    };
    // Null settings: a new instance, without a file of its own.
    Banner startBanner(const QByteArray& settings = "{}") {
        Banner banner{child(), 0, QString("banner-%1").arg(++m_bannersStarted)};
        banner.process->setProcessChannelMode(QProcess::SeparateChannels);
        ::startBanner(*banner.process, banner.id, settings, environment());
        banner.window = windowOfProcess(banner.process->processId()).value_or(0);
        // i3 stretches every dock: a box narrower than its screen then takes a
        // new, unmanaged window, which is the one that stays.
        const bool box = settings.contains("Left\"") || settings.contains("Right\"");
        if (banner.window && box && windowManager() == "i3")
            static_cast<void>(QTest::qWaitFor([&] {
                return (banner.window = windowOfProcess(banner.process->processId()).value_or(0)) &&
                       isUnmanaged(banner.window);
            }));
        m_banners.append(banner);
        return banner;
    }
    QString nextBannerId() const { return QString("banner-%1").arg(m_bannersStarted + 1); }
    // Ends the banners started and closes the windows opened so far; true
    // when every banner ended with exit code 0 and said nothing on stderr.
    bool endBannersAndWindows() {
        for (const Banner& banner : std::as_const(m_banners))
            banner.process->terminate(); // all at once
        bool clean = true;
        for (const Banner& banner : std::exchange(m_banners, {}))
            clean = endedCleanly(*banner.process, banner.id) && clean;
        for (xcb_window_t w : std::exchange(m_windows, {}))
            closeWindow(w);
        return clean;
    }

    // Other programs' windows (bench/test_windows), returned once managed (mapped,
    // frame extents known; i3 sets none) or after 5 s: at a user-given place and
    // size, no resize increments; undecorated, frame and client agree.
    xcb_window_t openWindow(const QRect& r, bool decorated = false) {
        return openWindowOf({"window", QString::number(r.x()), QString::number(r.y()),
                             QString::number(r.width()), QString::number(r.height()), "1",
                             decorated ? "decorated" : "plain"});
    }
    // A dock along the top or bottom edge of the root that reserves its strip.
    xcb_window_t openDock(bool top, int thickness) {
        return openWindowOf({"dock", top ? "top" : "bottom", QString::number(thickness)});
    }
    // Destroyed from here: its maker lives on, so no later window gets its id.
    void closeWindow(xcb_window_t window) {
        std::erase(m_windows, window);
        xcb_destroy_window(m_connection, window);
        xcb_flush(m_connection);
    }

    // A monitor as data, "RIGHT=640x480+1280+0" (xrandr wants millimetres too:
    // 96 dpi). Xvfb cannot re-set its output's monitor: only the first gets it.
    bool addMonitor(const QString& entry, bool withOutput = false) {
        const ScreenInfo monitor = screenLayout(entry).value(0);
        const QRect r = monitor.geometry;
        const QString geometry =
            QString::asprintf("%d/%dx%d/%d+%d+%d", r.width(), r.width() * 254 / 960, r.height(),
                              r.height() * 254 / 960, r.x(), r.y());
        return bool(run("xrandr",
                        {"--setmonitor", monitor.name, geometry, withOutput ? "screen" : "none"}));
    }
    bool removeMonitor(const QString& name) { return bool(run("xrandr", {"--delmonitor", name})); }

    // The managed top-level window of a process (not from _NET_CLIENT_LIST:
    // i3 leaves docks out of it); waits up to 10 s.
    std::optional<xcb_window_t> windowOfProcess(qint64 pid) {
        std::vector<xcb_window_t> found;
        if (QTest::qWaitFor([&] { return !(found = windowsOfProcess(pid, 0, 1)).empty(); }, 10000))
            return found.front();
        return std::nullopt;
    }
    // The windows of a process that another program has embedded (tray
    // icons): deeper than a window manager's frame.
    std::vector<xcb_window_t> embeddedWindows(qint64 pid) { return windowsOfProcess(pid, 2, 8); }

    // The window's rectangle in root coordinates, without and with the window manager's frame.
    QRect geometry(xcb_window_t window) {
        const auto geometry = ask(xcb_get_geometry_reply, xcb_get_geometry(m_connection, window));
        const auto origin = ask(xcb_translate_coordinates_reply,
                                xcb_translate_coordinates(m_connection, window, m_root, 0, 0));
        return geometry && origin
                   ? QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height)
                   : QRect();
    }
    QRect frameGeometry(xcb_window_t window) {
        const auto e = property32(window, "_NET_FRAME_EXTENTS"); // left, right, top, bottom
        if (e.size() >= 4)
            return geometry(window).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
        // Without extents (i3), the frame is the window's ancestor among the root's children.
        return geometry(topLevel(window));
    }

    // The menu a process shows: a mapped window at the root that no window
    // manager handles, made by that process (as the server knows; Qt gives
    // some menus no _NET_WM_PID); waits up to 5 s.
    xcb_window_t menuOf(qint64 pid) {
        xcb_window_t menu = 0;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                const auto tree = ask(xcb_query_tree_reply, xcb_query_tree(m_connection, m_root));
                const xcb_window_t* c = tree ? xcb_query_tree_children(tree.get()) : nullptr;
                const std::vector<xcb_window_t> top(c, c + (tree ? tree->children_len : 0));
                const auto makers = windowOwnerPids(m_connection, top);
                for (size_t i = 0; i < top.size(); ++i) {
                    if (makers[i] == uint32_t(pid) && isMapped(top[i]) && isUnmanaged(top[i]))
                        menu = top[i];
                }
                return menu != 0;
            },
            5000));
        return menu;
    }

    // Runs `act` and waits up to 5 s for the window manager's answer: a
    // configure notification of the window or of its frame (one comes, real
    // or synthetic, for every request, granted or not).
    bool answered(xcb_window_t window, const std::function<void()>& act) {
        watch({window});
        act();
        return QTest::qWaitFor([&] { return configured(); }, 5000);
    }
    // Whether the windows keep their frames for ms milliseconds. Every move
    // comes as a configure notification: each one is checked as it comes,
    // and the first change ends the wait.
    bool keepFrames(const std::vector<xcb_window_t>& windows, int ms) {
        const auto frames = [&] {
            std::vector<QRect> all;
            for (xcb_window_t w : windows)
                all.push_back(frameGeometry(w));
            return all;
        };
        const std::vector<QRect> before = frames();
        watch(windows);
        return !QTest::qWaitFor([&] { return configured() && frames() != before; }, ms);
    }

    bool isMapped(xcb_window_t window) {
        const auto reply =
            ask(xcb_get_window_attributes_reply, xcb_get_window_attributes(m_connection, window));
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    std::vector<uint32_t> property32(xcb_window_t window, const char* name) {
        return readProperty32(m_connection,
                              requestProperty(m_connection, window, atom(name), 4096));
    }
    xcb_window_t inputFocus() {
        const auto reply = ask(xcb_get_input_focus_reply, xcb_get_input_focus(m_connection));
        return reply ? reply->focus : 0;
    }
    xcb_window_t root() const { return m_root; }

    QImage screenshot() {
        const QString file = QDir::home().filePath("screen.png");
        return run(qEnvironmentVariable("VORLANE_GRAB_SCREEN"), {file}) ? QImage(file) : QImage();
    }

private:
    // The reply to one request, freed with it; empty when the request failed.
    template <typename Reply, typename Cookie>
    XcbReply<Reply> ask(Reply* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                        Cookie cookie) {
        return XcbReply<Reply>(reply(m_connection, cookie, nullptr));
    }

    // A child process on this display that ends with the test, also when the test crashes.
    QProcess* child() {
        auto* p = new QProcess;
        p->setProcessEnvironment(environment());
        p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_processes.append(p);
        return p;
    }

    xcb_window_t openWindowOf(const QStringList& arguments) {
        QProcess* maker = child();
        maker->start(qEnvironmentVariable("VORLANE_TEST_WINDOWS"), arguments);
        maker->waitForReadyRead(5000);
        const auto w = xcb_window_t(maker->readLine().trimmed().toUInt());
        m_windows.push_back(w);
        static_cast<void>(QTest::qWaitFor([&] {
            return isMapped(w) &&
                   (windowManager() == "i3" || !property32(w, "_NET_FRAME_EXTENTS").empty());
        }));
        return w;
    }

    // A session bus of its own (xfwm4 keeps its settings there), then the window
    // manager, ready once it announces EWMH support with a window that exists.
    bool startWindowManager() {
        QProcess* bus = child();
        bus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus->waitForReadyRead(5000))
            return false;
        m_busAddress = QString::fromLatin1(bus->readLine().trimmed());
        const QString wm = windowManager();
        launch(wm, wm == "xfwm4" ? QStringList{"--compositor=off"}
                   : wm == "i3"  ? QStringList{"-c", testDataPath("i3.conf")}
                                 : QStringList{});
        return QTest::qWaitFor(
            [&] {
                const auto check = property32(m_root, "_NET_SUPPORTING_WM_CHECK");
                return !check.empty() && ask(xcb_get_window_attributes_reply,
                                             xcb_get_window_attributes(m_connection, check[0]));
            },
            15000); // xfwm4 first starts its session services: seconds on a busy machine
    }

    bool isUnmanaged(xcb_window_t window) {
        const auto reply =
            ask(xcb_get_window_attributes_reply, xcb_get_window_attributes(m_connection, window));
        return reply && reply->override_redirect;
    }
    // The window's ancestor among the root's children: its frame, or itself.
    xcb_window_t topLevel(xcb_window_t w) {
        for (;;) {
            const auto tree = ask(xcb_query_tree_reply, xcb_query_tree(m_connection, w));
            if (!tree || tree->parent == XCB_WINDOW_NONE || tree->parent == m_root)
                return w;
            w = tree->parent;
        }
    }
    // Structure events of the windows and their frames come to this
    // connection from now on; those that came before are dropped.
    void watch(const std::vector<xcb_window_t>& windows) {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        for (xcb_window_t w : windows) {
            xcb_change_window_attributes(m_connection, w, XCB_CW_EVENT_MASK, &mask);
            xcb_change_window_attributes(m_connection, topLevel(w), XCB_CW_EVENT_MASK, &mask);
        }
        inputFocus(); // a round trip: every event of before is here now
        while (XcbReply<xcb_generic_event_t>(xcb_poll_for_event(m_connection))) {
        }
    }
    // Whether a configure notification of a watched window came since last asked.
    bool configured() {
        bool any = false;
        while (XcbReply<xcb_generic_event_t> e{xcb_poll_for_event(m_connection)})
            any = any || (e->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY;
        return any;
    }

    xcb_atom_t atom(const char* name) {
        const auto reply = ask(xcb_intern_atom_reply,
                               xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // Mapped windows of a process, from depth minDepth to maxDepth below the root.
    std::vector<xcb_window_t> windowsOfProcess(qint64 pid, int minDepth, int maxDepth) {
        std::vector<xcb_window_t> found;
        const auto walk = [&](auto&& self, xcb_window_t parent, int depth) -> void {
            const auto tree = ask(xcb_query_tree_reply, xcb_query_tree(m_connection, parent));
            const xcb_window_t* children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
            for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
                if (depth >= minDepth && isMapped(children[i]) &&
                    property32(children[i], "_NET_WM_PID") == std::vector<uint32_t>{uint32_t(pid)})
                    found.push_back(children[i]);
                if (depth < maxDepth)
                    self(self, children[i], depth + 1);
            }
        };
        walk(walk, m_root, 0);
        return found;
    }

    QSize m_rootSize;
    QString m_display;
    QString m_busAddress;
    QList<QProcess*> m_processes; // ended in reverse order
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    int m_bannersStarted = 0;
    QList<Banner> m_banners;
    std::vector<xcb_window_t> m_windows;
};
