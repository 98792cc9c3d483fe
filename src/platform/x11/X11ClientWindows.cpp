#include "platform/x11/X11ClientWindows.h"

#include "platform/x11/X11Decoders.h"
#include "platform/x11/X11Properties.h"

#include <QHash>

#include <algorithm>

namespace {

// The outer rectangle of each window's ancestor among the root's children:
// the window manager's frame where it reparents, the window itself where it
// does not. One batch of requests per level of the tree.
std::vector<QRect> rootChildRects(xcb_connection_t* c, xcb_window_t root,
                                  std::vector<xcb_window_t> windows) {
    std::vector<size_t> climbing(windows.size());
    for (size_t i = 0; i < windows.size(); ++i)
        climbing[i] = i;
    for (int level = 0; level < 8 && !climbing.empty(); ++level) {
        const auto trees =
            readAll(c, sendAll(climbing, [&](size_t i) { return xcb_query_tree(c, windows[i]); }),
                    xcb_query_tree_reply);
        std::vector<size_t> higher;
        for (size_t k = 0; k < climbing.size(); ++k) {
            const auto& tree = trees[k];
            if (tree && tree->parent != root && tree->parent != XCB_WINDOW_NONE) {
                windows[climbing[k]] = tree->parent;
                higher.push_back(climbing[k]);
            }
        }
        climbing = std::move(higher);
    }
    const auto geometries =
        readAll(c, sendAll(windows, [&](xcb_window_t w) { return xcb_get_geometry(c, w); }),
                xcb_get_geometry_reply);
    std::vector<QRect> rects;
    for (const auto& g : geometries)
        rects.push_back(
            g ? QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width)
              : QRect());
    return rects;
}

} // namespace

X11ClientWindows::X11ClientWindows(xcb_connection_t* connection, xcb_window_t root,
                                   const X11Atoms& atoms, BannerCheck isBanner)
    : m_connection(connection)
    , m_root(root)
    , m_atoms(atoms)
    , m_isBanner(std::move(isBanner)) {}

QList<ClientWindow> X11ClientWindows::nudgeable() {
    if (!m_known) {
        m_windows = read();
        m_known = true;
    }
    return m_windows;
}

QList<ClientWindow> X11ClientWindows::read() {
    const std::vector<uint32_t> clients =
        readProperty32(m_connection, requestProperty(m_connection, m_root,
                                                     m_atoms[X11Atoms::NetClientList], 4096));
    // One batch: five properties, the geometry and the position of each.
    const std::vector<xcb_atom_t> asked = {
        m_atoms[X11Atoms::NetWmWindowType], m_atoms[X11Atoms::NetWmState],
        m_atoms[X11Atoms::VorlaneBanner], m_atoms[X11Atoms::NetFrameExtents],
        m_atoms[X11Atoms::NetWmPid]};
    const auto propertyCookies = requestProperties(m_connection, clients, asked);
    const auto geometryCookies =
        sendAll(clients, [&](xcb_window_t w) { return xcb_get_geometry(m_connection, w); });
    const auto originCookies = sendAll(clients, [&](xcb_window_t w) {
        return xcb_translate_coordinates(m_connection, w, m_root, 0, 0);
    });
    const auto values = readAll(m_connection, propertyCookies, xcb_get_property_reply);
    const auto geometries = readAll(m_connection, geometryCookies, xcb_get_geometry_reply);
    const auto origins = readAll(m_connection, originCookies, xcb_translate_coordinates_reply);

    QList<ClientWindow> windows;
    std::vector<xcb_window_t> withoutExtents;
    QHash<uint32_t, bool> banners; // asked once a read
    const auto ofBanner = [&](const std::vector<uint32_t>& pid) {
        if (pid.empty() || !m_isBanner)
            return false;
        const auto known = banners.constFind(pid[0]);
        return known != banners.cend() ? *known : *banners.insert(pid[0], m_isBanner(pid[0]));
    };
    for (size_t i = 0; i < clients.size(); ++i) {
        const auto* v = &values[i * asked.size()];
        if (ofBanner(values32(v[4].get())))
            continue;
        WindowFacts facts{values32(v[0].get()), values32(v[1].get()), values32(v[2].get()),
                          values32(v[3].get()), std::nullopt};
        if (geometries[i] && origins[i])
            facts.client = QRect(origins[i]->dst_x, origins[i]->dst_y, geometries[i]->width,
                                 geometries[i]->height);
        if (const auto window = nudgeableWindow(clients[i], facts, m_atoms)) {
            windows.append(*window);
            if (!publishesFrameExtents(facts))
                withoutExtents.push_back(clients[i]);
        }
    }
    // A window manager that publishes no frame extents (i3).
    const std::vector<QRect> frames = rootChildRects(m_connection, m_root, withoutExtents);
    for (size_t i = 0; i < withoutExtents.size(); ++i) {
        for (ClientWindow& window : windows) {
            if (window.id == withoutExtents[i])
                window = framedBy(window, frames[i]);
        }
    }
    return windows;
}

void X11ClientWindows::moveResize(const QList<WindowRequest>& requests) {
    constexpr uint32_t northWestGravity = 1;
    constexpr uint32_t hasX = 1u << 8, hasY = 1u << 9, hasWidth = 1u << 10, hasHeight = 1u << 11;
    constexpr uint32_t fromPager = 2u << 12;
    for (const WindowRequest& r : requests) {
        const QMargins& frame = r.window.frameExtents;
        // The position is the frame's, the size the client's.
        const int clientWidth = std::max(1, r.change.size.width() - frame.left() - frame.right());
        const int clientHeight = std::max(1, r.change.size.height() - frame.top() - frame.bottom());
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = r.window.id;
        event.type = m_atoms[X11Atoms::NetMoveresizeWindow];
        event.data.data32[0] = northWestGravity | hasWidth | hasHeight | fromPager;
        if (r.change.position) {
            const QPoint at = r.window.placesClient
                                  ? *r.change.position + QPoint(frame.left(), frame.top())
                                  : *r.change.position;
            event.data.data32[0] |= hasX | hasY;
            event.data.data32[1] = static_cast<uint32_t>(at.x());
            event.data.data32[2] = static_cast<uint32_t>(at.y());
        }
        event.data.data32[3] = static_cast<uint32_t>(clientWidth);
        event.data.data32[4] = static_cast<uint32_t>(clientHeight);
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(m_connection);
}
