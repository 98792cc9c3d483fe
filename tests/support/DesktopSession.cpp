#include "support/DesktopSession.h"

#include "platform/SettingsFiles.h"

#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}

// Children end with the test, also when it crashes.
QProcess* child(QList<QProcess*>& list) {
    auto* p = new QProcess;
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    list.append(p);
    return p;
}

} // namespace

DesktopSession::~DesktopSession() {
    if (m_connection)
        xcb_disconnect(m_connection);
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000))
            (*it)->kill();
        (*it)->waitForFinished(1000);
        delete *it;
    }
}

bool DesktopSession::start() {
    QProcess* xvfb = child(m_processes);
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

bool DesktopSession::restartWindowManager() {
    m_windowManager->terminate();
    return m_windowManager->waitForFinished(5000) && startWindowManager();
}

QString DesktopSession::windowManager() {
    return qEnvironmentVariable("VORLANE_TEST_WM", "openbox");
}

bool DesktopSession::startWindowManager() {
    const QString wm = windowManager();
    if (wm == "xfwm4") {
        // xfwm4 keeps its settings on a session bus: a private one.
        QProcess* bus = child(m_processes);
        bus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus->waitForReadyRead(5000))
            return false;
        m_busAddress = QString::fromLatin1(bus->readLine().trimmed());
        m_windowManager = launch("xfwm4", {"--compositor=off"});
    } else if (wm == "i3") {
        // Ordinary windows float at the size they ask for, as under the other
        // two, and there is no bar.
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
    // Ready once it announces its EWMH support with a window that exists (a
    // window manager that ended leaves its announcement behind).
    for (int i = 0; i < 100; ++i) {
        const auto check = property32(m_root, "_NET_SUPPORTING_WM_CHECK");
        if (!check.empty() &&
            owned(xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, check[0]), nullptr)))
            return true;
        QTest::qWait(50);
    }
    return false;
}

QProcessEnvironment DesktopSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    if (!m_busAddress.isEmpty())
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("WAYLAND_DISPLAY");
    return env;
}

bool DesktopSession::run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && !p.exitCode();
}

QProcess* DesktopSession::launch(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& extra) {
    QProcess* p = child(m_processes);
    QProcessEnvironment env = environment();
    env.insert(extra);
    p->setProcessEnvironment(env);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->start(program, arguments);
    p->waitForStarted(5000);
    return p;
}

DesktopSession::Banner DesktopSession::startBanner(const QByteArray& settings,
                                                   const QProcessEnvironment& extra) {
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
    return banner;
}

DesktopSession::TestWindows DesktopSession::launchTestWindows(const QStringList& arguments) {
    QProcess* p = child(m_processes);
    p->setProcessEnvironment(environment());
    p->start(qEnvironmentVariable("X11_TEST_CLIENT"), arguments);
    const int expected = arguments.value(0) == "window" ? arguments.value(5, "1").toInt() : 1;
    std::vector<xcb_window_t> windows;
    for (int i = 0; i < 50 && int(windows.size()) < expected; ++i) {
        p->waitForReadyRead(200);
        while (p->canReadLine())
            windows.push_back(p->readLine().trimmed().toUInt());
    }
    // Managed: mapped by the window manager, frame extents known (i3 has none).
    for (xcb_window_t w : windows) {
        for (int i = 0; i < 200; ++i) {
            if (isMapped(w) &&
                (windowManager() == "i3" || !property32(w, "_NET_FRAME_EXTENTS").empty()))
                break;
            QTest::qWait(25);
        }
    }
    return {p, windows};
}

bool DesktopSession::setMonitors(const QString& layout) {
    const QStringList parts = layout.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!addMonitor(parts[i], i == 0))
            return false;
    }
    return true;
}

bool DesktopSession::addMonitor(const QString& entry, bool withOutput) {
    static const QRegularExpression pattern(R"(^(.+)=(\d+)x(\d+)\+(\d+)\+(\d+)$)");
    const auto m = pattern.match(entry);
    // xrandr wants pixels/millimetres; 96 dpi.
    const int w = m.captured(2).toInt(), h = m.captured(3).toInt();
    return m.hasMatch() && run("xrandr", {"--setmonitor", m.captured(1),
                                          QString("%1/%2x%3/%4+%5+%6")
                                              .arg(w)
                                              .arg(w * 254 / 960)
                                              .arg(h)
                                              .arg(h * 254 / 960)
                                              .arg(m.captured(4), m.captured(5)),
                                          withOutput ? "screen" : "none"});
}

bool DesktopSession::removeMonitor(const QString& name) {
    return run("xrandr", {"--delmonitor", name});
}

void DesktopSession::maximize(xcb_window_t window) {
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("_NET_WM_STATE");
    event.data.data32[0] = 1; // add
    event.data.data32[1] = atom("_NET_WM_STATE_MAXIMIZED_VERT");
    event.data.data32[2] = atom("_NET_WM_STATE_MAXIMIZED_HORZ");
    event.data.data32[3] = 2; // from a pager
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(m_connection);
}

xcb_atom_t DesktopSession::atom(const char* name) {
    auto reply = owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<uint32_t> DesktopSession::property32(xcb_window_t window, const char* name) {
    auto reply = owned(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

QStringList DesktopSession::atomProperty(xcb_window_t window, const char* name) {
    QStringList names;
    for (uint32_t a : property32(window, name)) {
        auto r = owned(
            xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, a), nullptr));
        names.append(QString::fromLatin1(xcb_get_atom_name_name(r.get()),
                                         xcb_get_atom_name_name_length(r.get())));
    }
    return names;
}

std::vector<xcb_window_t> DesktopSession::windowsOfProcess(qint64 pid, int minDepth, int maxDepth) {
    std::vector<xcb_window_t> found;
    const auto walk = [&](auto&& self, xcb_window_t parent, int depth) -> void {
        auto tree = owned(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, parent), nullptr));
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

std::optional<xcb_window_t> DesktopSession::windowOfProcess(qint64 pid) {
    for (int i = 0; i < 200; ++i) {
        // Not from _NET_CLIENT_LIST: i3 leaves docks out of it.
        if (const auto windows = windowsOfProcess(pid, 0, 1); !windows.empty())
            return windows.front();
        QTest::qWait(50);
    }
    return std::nullopt;
}

std::vector<xcb_window_t> DesktopSession::embeddedWindows(qint64 pid) {
    // Deeper than a window manager's frame: inside another program's window.
    return windowsOfProcess(pid, 2, 8);
}

QRect DesktopSession::geometry(xcb_window_t window) {
    auto geometry = owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    auto origin = owned(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
    return geometry && origin
               ? QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height)
               : QRect();
}

QRect DesktopSession::frameGeometry(xcb_window_t window) {
    const auto e = property32(window, "_NET_FRAME_EXTENTS"); // left, right, top, bottom
    if (e.size() >= 4)
        return geometry(window).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
    // Without extents (i3), the frame is the window's ancestor among the
    // root's children.
    for (xcb_window_t w = window;;) {
        auto tree =
            owned(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, w), nullptr));
        if (!tree || tree->parent == XCB_WINDOW_NONE)
            return {};
        if (tree->parent == m_root)
            return geometry(w);
        w = tree->parent;
    }
}

bool DesktopSession::isMapped(xcb_window_t window) {
    auto reply = owned(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool DesktopSession::isOverrideRedirect(xcb_window_t window) {
    auto reply = owned(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return reply && reply->override_redirect;
}

xcb_window_t DesktopSession::inputFocus() {
    auto reply =
        owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    return reply ? reply->focus : 0;
}

QImage DesktopSession::screenshot() {
    auto reply = owned(xcb_get_image_reply(m_connection,
                                           xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                                         m_root, 0, 0, uint16_t(m_rootSize.width()),
                                                         uint16_t(m_rootSize.height()), ~0u),
                                           nullptr));
    // 24-bit depth comes as 32 bits per pixel, BGRX in memory: Qt's RGB32.
    return reply ? QImage(xcb_get_image_data(reply.get()), m_rootSize.width(), m_rootSize.height(),
                          QImage::Format_RGB32)
                       .copy()
                 : QImage();
}
