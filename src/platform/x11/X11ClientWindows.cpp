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

} // namespace

QList<ClientWindow> X11WindowSystem::nudgeableWindows() {
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
            event.data.data32[0] |= hasX | hasY;
            event.data.data32[1] = static_cast<uint32_t>(r.change.position->x());
            event.data.data32[2] = static_cast<uint32_t>(r.change.position->y());
        }
        event.data.data32[3] = static_cast<uint32_t>(clientWidth);
        event.data.data32[4] = static_cast<uint32_t>(clientHeight);
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(m_connection);
}
