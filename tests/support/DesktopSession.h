#pragma once

// A private X desktop for one test: Xvfb on a display number of its own, a
// window manager (VORLANE_TEST_WM: openbox, the default, xfwm4 or i3), and
// an xcb connection through which the test looks at the server.
#include "platform/SettingsFiles.h"
#include "support/ScreenLayout.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QtTest>

#include <xcb/xcb.h>

#include <csignal>
#include <optional>
#include <sys/prctl.h>
#include <vector>

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
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        return startWindowManager();
    }

    static QString windowManager() { return qEnvironmentVariable("VORLANE_TEST_WM", "openbox"); }

    bool restartWindowManager() {
        m_windowManager->terminate();
        return m_windowManager->waitForFinished(5000) && startWindowManager();
    }

    // The test's environment (its private HOME) with this display, Qt on xcb.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display);
        if (!m_busAddress.isEmpty())
            env.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    // Runs a program to its end; its output, or nothing when it failed.
    std::optional<QByteArray> run(const QString& program, const QStringList& arguments) {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program, arguments);
        const bool ok = p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit;
        return ok && !p.exitCode() ? std::optional(p.readAllStandardOutput()) : std::nullopt;
    }
    bool xdotool(const QStringList& arguments) { return bool(run("xdotool", arguments)); }

    // Starts a program that lives until the session ends (or it is ended).
    QProcess* launch(const QString& program, const QStringList& arguments = {},
                     const QProcessEnvironment& extra = {}) {
        QProcess* p = child();
        QProcessEnvironment env = environment();
        env.insert(extra);
        p->setProcessEnvironment(env);
        p->setStandardOutputFile(QProcess::nullDevice());
        p->start(program, arguments);
        p->waitForStarted(5000);
        return p;
    }

    // Stores the settings under a new identifier, starts that banner and
    // waits for its window (0 when none came).
    struct Banner {
        QProcess* process = nullptr;
        xcb_window_t window = 0;
        QString id;
    };
    Banner startBanner(const QByteArray& settings = "{}", const QProcessEnvironment& extra = {}) {
        Banner banner;
        banner.id = QString("banner-%1").arg(++m_bannersStarted);
        SettingsFiles().setData("VorlaneSettings_" + banner.id, settings);
        banner.process = launch(qEnvironmentVariable("VORLANE_BINARY"), {banner.id}, extra);
        // Where the window manager stretches a box, the banner takes a new,
        // unmanaged window a moment later: the window that stays is the banner's.
        for (int same = 0; same < 6; QTest::qWait(100)) {
            const xcb_window_t w = windowOfProcess(banner.process->processId()).value_or(0);
            same = w == banner.window ? same + 1 : 0;
            banner.window = w;
        }
        m_banners.append(banner);
        return banner;
    }
    // Ends the banners started and closes the windows opened so far; true
    // when every banner ended with exit code 0.
    bool endBannersAndWindows() {
        for (const Banner& banner : std::as_const(m_banners))
            banner.process->terminate();
        bool clean = true;
        for (const Banner& banner : std::exchange(m_banners, {}))
            clean = (banner.process->state() == QProcess::NotRunning ||
                     banner.process->waitForFinished(5000)) &&
                    banner.process->exitStatus() == QProcess::NormalExit &&
                    banner.process->exitCode() == 0 && clean;
        for (xcb_window_t w : std::exchange(m_windows, {}))
            xcb_destroy_window(m_connection, w);
        xcb_flush(m_connection);
        return clean;
    }

    // Other programs' windows, made on the test's connection, returned once
    // managed (mapped, frame extents known; i3 sets none). A normal window at
    // a user-given position and size, without resize increments; "plain"
    // asks for no decorations, so that frame and client agree.
    xcb_window_t openWindow(const QRect& r, bool decorated = false) {
        const xcb_window_t w = createWindow(r, "_NET_WM_WINDOW_TYPE_NORMAL");
        const uint32_t motif[5] = {2, 0, 0, 0, 0}; // decorations: none
        if (!decorated)
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom("_MOTIF_WM_HINTS"),
                                atom("_MOTIF_WM_HINTS"), 32, 5, motif);
        return manage(w);
    }
    // A dock along the top or bottom edge of the root that reserves its strip.
    xcb_window_t openDock(bool top, int thickness) {
        const int width = m_rootSize.width(), y = top ? 0 : m_rootSize.height() - thickness;
        const xcb_window_t w = createWindow({0, y, width, thickness}, "_NET_WM_WINDOW_TYPE_DOCK");
        uint32_t strut[12] = {};
        strut[top ? 2 : 3] = uint32_t(thickness);
        strut[top ? 9 : 11] = uint32_t(width - 1);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_STRUT_PARTIAL"),
                            XCB_ATOM_CARDINAL, 32, 12, strut);
        return manage(w);
    }
    void closeWindow(xcb_window_t window) {
        std::erase(m_windows, window);
        xcb_destroy_window(m_connection, window);
        xcb_flush(m_connection);
    }

    // A monitor as data, "RIGHT=640x480+1280+0" (xrandr wants millimetres
    // too: 96 dpi). Xvfb cannot re-set the monitor of its output: only the
    // first monitor gets it.
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
        for (int i = 0; i < 200; ++i) {
            if (const auto windows = windowsOfProcess(pid, 0, 1); !windows.empty())
                return windows.front();
            QTest::qWait(50);
        }
        return std::nullopt;
    }
    // The windows of a process that another program has embedded (tray
    // icons): deeper than a window manager's frame.
    std::vector<xcb_window_t> embeddedWindows(qint64 pid) { return windowsOfProcess(pid, 2, 8); }

    // The window's rectangle in root coordinates, without and with the
    // window manager's frame.
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
        // Without extents (i3), the frame is the window's ancestor among the
        // root's children.
        for (xcb_window_t w = window;;) {
            const auto tree = ask(xcb_query_tree_reply, xcb_query_tree(m_connection, w));
            if (!tree || tree->parent == XCB_WINDOW_NONE)
                return {};
            if (tree->parent == m_root)
                return geometry(w);
            w = tree->parent;
        }
    }

    bool isMapped(xcb_window_t window) {
        const auto reply =
            ask(xcb_get_window_attributes_reply, xcb_get_window_attributes(m_connection, window));
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    std::vector<uint32_t> property32(xcb_window_t window, const char* name) {
        const auto reply =
            ask(xcb_get_property_reply, xcb_get_property(m_connection, 0, window, atom(name),
                                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 4096));
        if (!reply || reply->format != 32)
            return {};
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        return {data, data + xcb_get_property_value_length(reply.get()) / 4};
    }
    QStringList atomProperty(xcb_window_t window, const char* name) {
        QStringList names;
        for (uint32_t a : property32(window, name)) {
            const auto r = ask(xcb_get_atom_name_reply, xcb_get_atom_name(m_connection, a));
            names.append(QString::fromLatin1(xcb_get_atom_name_name(r.get()),
                                             xcb_get_atom_name_name_length(r.get())));
        }
        return names;
    }

    xcb_window_t inputFocus() {
        const auto reply = ask(xcb_get_input_focus_reply, xcb_get_input_focus(m_connection));
        return reply ? reply->focus : 0;
    }
    xcb_window_t root() const { return m_root; }

    QImage screenshot() {
        const QString file = QDir::home().filePath("screen.png");
        return run("import", {"-window", "root", file}) ? QImage(file) : QImage();
    }

private:
    // The reply to one request, freed with it; empty when the request failed.
    template <typename Reply, typename Cookie>
    std::unique_ptr<Reply, decltype(&std::free)>
    ask(Reply* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**), Cookie cookie) {
        return {reply(m_connection, cookie, nullptr), &std::free};
    }

    // A child process that ends with the test, also when the test crashes.
    QProcess* child() {
        auto* p = new QProcess;
        p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_processes.append(p);
        return p;
    }

    xcb_window_t createWindow(const QRect& r, const char* type) {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const xcb_window_t w = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, w, m_root, int16_t(r.x()),
                          int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                          &screen->white_pixel);
        // WM_NORMAL_HINTS: USPosition | USSize, then where and how large.
        const uint32_t hints[18] = {1 | 2, uint32_t(r.x()), uint32_t(r.y()), uint32_t(r.width()),
                                    uint32_t(r.height())};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
        const xcb_atom_t typeAtom = atom(type);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_WINDOW_TYPE"),
                            XCB_ATOM_ATOM, 32, 1, &typeAtom);
        return w;
    }
    xcb_window_t manage(xcb_window_t w) {
        m_windows.push_back(w);
        xcb_map_window(m_connection, w);
        xcb_flush(m_connection);
        for (int i = 0; i < 200; ++i) {
            if (isMapped(w) &&
                (windowManager() == "i3" || !property32(w, "_NET_FRAME_EXTENTS").empty()))
                break;
            QTest::qWait(25);
        }
        return w;
    }

    bool startWindowManager() {
        const QString wm = windowManager();
        if (wm == "xfwm4") { // it keeps its settings on a session bus: a private one
            QProcess* bus = child();
            bus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            if (!bus->waitForReadyRead(5000))
                return false;
            m_busAddress = QString::fromLatin1(bus->readLine().trimmed());
            m_windowManager = launch("xfwm4", {"--compositor=off"});
        } else if (wm == "i3") {
            // Ordinary windows float at the size they ask for, as under the
            // other two, and there is no bar.
            const QString config = QDir::home().filePath("i3.conf");
            QFile file(config);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write("# i3 config file (v4)\nfont pango:DejaVu Sans 8\n"
                       "floating_minimum_size -1 x -1\n"
                       "for_window [class=\".*\"] floating enable\n");
            file.close();
            m_windowManager = launch("i3", {"-c", config});
        } else {
            m_windowManager = launch(wm);
        }
        // Ready once it announces its EWMH support with a window that exists
        // (a window manager that ended leaves its announcement behind).
        for (int i = 0; i < 100; ++i) {
            const auto check = property32(m_root, "_NET_SUPPORTING_WM_CHECK");
            if (!check.empty() && ask(xcb_get_window_attributes_reply,
                                      xcb_get_window_attributes(m_connection, check[0])))
                return true;
            QTest::qWait(50);
        }
        return false;
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
    QProcess* m_windowManager = nullptr;
    QList<QProcess*> m_processes; // ended in reverse order
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    int m_bannersStarted = 0;
    QList<Banner> m_banners;
    std::vector<xcb_window_t> m_windows;
};
