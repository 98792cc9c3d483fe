// Other programs' windows: which of them the banner may move, their frame
// geometry, and the move/resize requests sent to the window manager.
#include "platform/x11/X11Properties.h"
#include "platform/x11/X11WindowSystem.h"

#include <algorithm>

namespace {

// What is asked of the server for one window, all sent before any reply is read.
struct WindowQuery {
    xcb_window_t window;
    xcb_get_property_cookie_t type, state, banner, extents;
    xcb_get_geometry_cookie_t geometry;
    xcb_translate_coordinates_cookie_t origin;
};

bool contains(const std::vector<uint32_t>& list, xcb_atom_t atom) {
    return std::find(list.begin(), list.end(), atom) != list.end();
}

// The outer rectangle of each window's ancestor among the root's children:
// the window manager's frame where it reparents, the window itself where it
// does not. One round of requests per level of the tree.
std::vector<QRect> rootChildRects(xcb_connection_t* c, xcb_window_t root,
                                  std::vector<xcb_window_t> windows) {
    std::vector<bool> found(windows.size(), false);
    for (int level = 0; level < 8; ++level) {
        std::vector<xcb_query_tree_cookie_t> trees;
        for (size_t i = 0; i < windows.size(); ++i)
            trees.push_back(found[i] ? xcb_query_tree_cookie_t{} : xcb_query_tree(c, windows[i]));
        for (size_t i = 0; i < windows.size(); ++i) {
            if (found[i])
                continue;
            XcbReply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, trees[i], nullptr));
            found[i] = !tree || tree->parent == root || tree->parent == XCB_WINDOW_NONE;
            if (tree && !found[i])
                windows[i] = tree->parent;
        }
    }
    std::vector<xcb_get_geometry_cookie_t> geometries;
    for (xcb_window_t w : windows)
        geometries.push_back(xcb_get_geometry(c, w));
    std::vector<QRect> rects;
    for (const auto& cookie : geometries) {
        XcbReply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, cookie, nullptr));
        rects.push_back(
            g ? QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width)
              : QRect());
    }
    return rects;
}

} // namespace

QList<ClientWindow> X11WindowSystem::nudgeableWindows() {
    // Kept until a window of the root's or the client list changes: an idle
    // pass asks the server nothing.
    if (!m_clientWindowsKnown) {
        m_clientWindows = readNudgeableWindows();
        m_clientWindowsKnown = true;
    }
    return m_clientWindows;
}

QList<ClientWindow> X11WindowSystem::readNudgeableWindows() {
    const std::vector<uint32_t> clients =
        readProperty32(m_connection, requestProperty(m_connection, m_root,
                                                     m_atoms[X11Atoms::NetClientList], 4096));

    std::vector<WindowQuery> queries;
    queries.reserve(clients.size());
    for (xcb_window_t w : clients) {
        queries.push_back({w, requestProperty(m_connection, w, m_atoms[X11Atoms::NetWmWindowType]),
                           requestProperty(m_connection, w, m_atoms[X11Atoms::NetWmState]),
                           requestProperty(m_connection, w, m_atoms[X11Atoms::VorlaneBanner]),
                           requestProperty(m_connection, w, m_atoms[X11Atoms::NetFrameExtents]),
                           xcb_get_geometry(m_connection, w),
                           xcb_translate_coordinates(m_connection, w, m_root, 0, 0)});
    }

    QList<ClientWindow> windows;
    std::vector<xcb_window_t> withoutExtents;
    for (const WindowQuery& q : queries) {
        // Every reply is collected, also for windows that are passed over.
        const auto type = readProperty32(m_connection, q.type);
        const auto state = readProperty32(m_connection, q.state);
        const bool isBanner = !readProperty32(m_connection, q.banner).empty();
        const auto extents = readProperty32(m_connection, q.extents);
        XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(m_connection, q.geometry, nullptr));
        XcbReply<xcb_translate_coordinates_reply_t> origin(
            xcb_translate_coordinates_reply(m_connection, q.origin, nullptr));

        // The first type is the one the window prefers; no type means normal.
        const bool ordinary = type.empty() || type[0] == m_atoms[X11Atoms::NetWmWindowTypeNormal] ||
                              type[0] == m_atoms[X11Atoms::NetWmWindowTypeDialog];
        if (!ordinary || isBanner || !geometry || !origin ||
            contains(state, m_atoms[X11Atoms::NetWmStateFullscreen]) ||
            contains(state, m_atoms[X11Atoms::NetWmStateHidden]))
            continue;
        // _NET_FRAME_EXTENTS: left, right, top, bottom.
        const QMargins frame = extents.size() >= 4 ? QMargins(int(extents[0]), int(extents[2]),
                                                              int(extents[1]), int(extents[3]))
                                                   : QMargins();
        const QRect client(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
        windows.append({q.window, client.marginsAdded(frame), frame});
        if (extents.size() < 4)
            withoutExtents.push_back(q.window);
    }
    // A window manager that publishes no frame extents (i3): the frame is the
    // client's ancestor among the root's children.
    const std::vector<QRect> frames = rootChildRects(m_connection, m_root, withoutExtents);
    for (size_t i = 0; i < withoutExtents.size(); ++i) {
        auto window = std::find_if(windows.begin(), windows.end(), [&](const ClientWindow& w) {
            return w.id == withoutExtents[i];
        });
        const QRect& f = frames[i];
        const QRect client = window->frame;
        if (!f.isValid() || !f.contains(client))
            continue;
        window->frame = f;
        window->frameExtents = QMargins(client.left() - f.left(), client.top() - f.top(),
                                        f.right() - client.right(), f.bottom() - client.bottom());
        window->placesClient = true;
    }
    return windows;
}

void X11WindowSystem::moveResizeWindows(const QList<WindowRequest>& requests) {
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
