#include "support/DesktopSession.h"

#include "platform/QSettingsPreferencesStore.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/prctl.h>

namespace {

// Children end with the test, also when it crashes.
void endWithParent(QProcess* process) {
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> owned(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

DesktopSession::DesktopSession(QSize rootSize)
    : m_rootSize(rootSize) {}

DesktopSession::~DesktopSession() {
    if (m_connection)
        xcb_disconnect(m_connection);
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        QProcess* p = *it;
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
        delete p;
    }
}

bool DesktopSession::start() {
    auto* xvfb = new QProcess;
    m_processes.append(xvfb);
    endWithParent(xvfb);
    // -displayfd 1: Xvfb finds a free display number and prints it.
    xvfb->start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"),
                 QStringLiteral("%1x%2x24").arg(m_rootSize.width()).arg(m_rootSize.height()),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!xvfb->waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!xvfb->canReadLine() && timer.elapsed() < 10000)
        xvfb->waitForReadyRead(200);
    const QByteArray number = xvfb->readLine().trimmed();
    if (number.isEmpty())
        return false;
    m_display = QStringLiteral(":") + QString::fromLatin1(number);

    m_connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_connection))
        return false;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    launch(QStringLiteral("openbox"));
    // Openbox is ready once it announces its EWMH support.
    for (int i = 0; i < 100; ++i) {
        if (!property32(m_root, "_NET_SUPPORTING_WM_CHECK").empty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

QProcessEnvironment DesktopSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

bool DesktopSession::run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QProcess* DesktopSession::launch(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& extra) {
    auto* p = new QProcess;
    m_processes.append(p);
    endWithParent(p);
    QProcessEnvironment env = environment();
    env.insert(extra);
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->start(program, arguments);
    p->waitForStarted(5000);
    return p;
}

QProcess* DesktopSession::launchBanner(const QString& instanceId,
                                       const QProcessEnvironment& extra) {
    return launch(qEnvironmentVariable("VORLANE_BINARY"), {instanceId}, extra);
}

DesktopSession::Banner DesktopSession::startBanner(const QByteArray& settings,
                                                   const QProcessEnvironment& extra) {
    const QString id = QStringLiteral("banner-%1").arg(++m_bannersStarted);
    QSettingsPreferencesStore().setData(QStringLiteral("VorlaneSettings_") + id, settings);
    Banner banner;
    banner.process = launchBanner(id, extra);
    banner.window = windowOfProcess(banner.process->processId()).value_or(0);
    return banner;
}

DesktopSession::TestWindows DesktopSession::launchTestWindows(const QStringList& arguments) {
    auto* p = new QProcess;
    m_processes.append(p);
    endWithParent(p);
    p->setProcessEnvironment(environment());
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(qEnvironmentVariable("X11_TEST_CLIENT"), arguments);
    const int expected = arguments.value(0) == QLatin1String("window")
                             ? std::max(1, arguments.value(5, QStringLiteral("1")).toInt())
                             : 1;
    std::vector<xcb_window_t> windows;
    QElapsedTimer timer;
    timer.start();
    while (int(windows.size()) < expected && timer.elapsed() < 10000) {
        if (!p->canReadLine() && !p->waitForReadyRead(200))
            continue;
        while (p->canReadLine())
            windows.push_back(p->readLine().trimmed().toUInt());
    }
    // Managed: listed by the window manager, frame extents known.
    for (xcb_window_t w : windows) {
        for (int i = 0; i < 200; ++i) {
            const auto clients = clientWindows();
            if (std::count(clients.begin(), clients.end(), w) &&
                !property32(w, "_NET_FRAME_EXTENTS").empty())
                break;
            QTest::qWait(25);
        }
    }
    return {p, windows};
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

bool DesktopSession::setMonitors(const QString& layout) {
    bool first = true;
    for (const QString& part : layout.split(u',')) {
        if (!addMonitor(part, first))
            return false;
        first = false;
    }
    return true;
}

bool DesktopSession::addMonitor(const QString& entry, bool withOutput) {
    static const QRegularExpression pattern(QStringLiteral(R"(^(.+)=(\d+)x(\d+)\+(\d+)\+(\d+)$)"));
    const auto m = pattern.match(entry);
    if (!m.hasMatch())
        return false;
    // xrandr wants sizes as pixels/millimetres; 96 dpi is fine.
    const int w = m.captured(2).toInt(), h = m.captured(3).toInt();
    const QString geometry = QStringLiteral("%1/%2x%3/%4+%5+%6")
                                 .arg(w)
                                 .arg(w * 254 / 960)
                                 .arg(h)
                                 .arg(h * 254 / 960)
                                 .arg(m.captured(4), m.captured(5));
    return run(QStringLiteral("xrandr"),
               {QStringLiteral("--setmonitor"), m.captured(1), geometry,
                withOutput ? QStringLiteral("screen") : QStringLiteral("none")});
}

bool DesktopSession::removeMonitor(const QString& name) {
    return run(QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), name});
}

xcb_atom_t DesktopSession::atom(const char* name) {
    auto reply = owned(xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
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
    return std::vector<uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

QStringList DesktopSession::atomProperty(xcb_window_t window, const char* name) {
    QStringList names;
    for (uint32_t a : property32(window, name)) {
        auto reply = owned(
            xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, a), nullptr));
        if (reply) {
            names.append(QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                                             xcb_get_atom_name_name_length(reply.get())));
        }
    }
    return names;
}

QRect DesktopSession::workArea() {
    const auto area = property32(m_root, "_NET_WORKAREA");
    if (area.size() < 4)
        return {};
    return QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
}

bool DesktopSession::acceptsFocusHint(xcb_window_t window) {
    // WM_HINTS: flags, input, ... ; InputHint is bit 0.
    const auto hints = property32(window, "WM_HINTS");
    return hints.size() < 2 || !(hints[0] & 1) || hints[1] != 0;
}

std::vector<xcb_window_t> DesktopSession::clientWindows() {
    const auto list = property32(m_root, "_NET_CLIENT_LIST");
    return {list.begin(), list.end()};
}

bool DesktopSession::isMapped(xcb_window_t window) {
    auto reply = owned(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::vector<xcb_window_t> DesktopSession::embeddedWindows(qint64 pid) {
    std::vector<xcb_window_t> found;
    const auto walk = [&](auto&& self, xcb_window_t parent, int depth) -> void {
        auto tree = owned(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, parent), nullptr));
        if (!tree)
            return;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            const auto windowPid = property32(children[i], "_NET_WM_PID");
            // Below a child of the root: inside another program's window.
            if (depth >= 2 && !windowPid.empty() && windowPid[0] == pid && isMapped(children[i]))
                found.push_back(children[i]);
            self(self, children[i], depth + 1);
        }
    };
    walk(walk, m_root, 0);
    return found;
}

std::optional<xcb_window_t> DesktopSession::windowOfProcess(qint64 pid) {
    for (int i = 0; i < 200; ++i) {
        for (xcb_window_t w : clientWindows()) {
            const auto windowPid = property32(w, "_NET_WM_PID");
            if (!windowPid.empty() && windowPid[0] == pid)
                return w;
        }
        QTest::qWait(50);
    }
    return std::nullopt;
}

QRect DesktopSession::geometry(xcb_window_t window) {
    auto geometry = owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    auto origin = owned(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
    if (!geometry || !origin)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

QRect DesktopSession::frameGeometry(xcb_window_t window) {
    const QRect client = geometry(window);
    const auto extents = property32(window, "_NET_FRAME_EXTENTS"); // left, right, top, bottom
    if (extents.size() < 4)
        return client;
    return client.adjusted(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
}

xcb_window_t DesktopSession::inputFocus() {
    auto reply =
        owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    return reply ? reply->focus : 0;
}

QImage DesktopSession::screenshot() {
    auto reply =
        owned(xcb_get_image_reply(m_connection,
                                  xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, 0,
                                                0, static_cast<uint16_t>(m_rootSize.width()),
                                                static_cast<uint16_t>(m_rootSize.height()), ~0u),
                                  nullptr));
    if (!reply)
        return {};
    // 24-bit depth comes as 32 bits per pixel, BGRX in memory: Qt's RGB32.
    const QImage view(xcb_get_image_data(reply.get()), m_rootSize.width(), m_rootSize.height(),
                      QImage::Format_RGB32);
    return view.copy();
}
