#include "platform/x11/X11Atoms.h"

#include "platform/x11/X11Properties.h"

#include <cstring>

namespace {

constexpr const char* atomNames[X11Atoms::Count] = {
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_STATE",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_STATE_STICKY",
    "_NET_WM_STATE_SKIP_TASKBAR",
    "_NET_WM_STATE_SKIP_PAGER",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_DESKTOP",
    "_NET_WM_PID",
    "_NET_WM_STRUT",
    "_NET_WM_STRUT_PARTIAL",
    "_NET_CLIENT_LIST",
    "_NET_ACTIVE_WINDOW",
    "_NET_WORKAREA",
    "_NET_FRAME_EXTENTS",
    "_NET_MOVERESIZE_WINDOW",
    "WM_PROTOCOLS",
    "WM_TAKE_FOCUS",
    "_VORLANE_BANNER",
    "_VORLANE_PLACE",
};

} // namespace

X11Atoms::X11Atoms(xcb_connection_t* connection) {
    const auto replies = readAll(connection,
                                 sendAll(atomNames,
                                         [&](const char* name) {
                                             return xcb_intern_atom(
                                                 connection, 0, uint16_t(std::strlen(name)), name);
                                         }),
                                 xcb_intern_atom_reply);
    for (int i = 0; i < Count; ++i)
        m_atoms[i] = replies[i] ? replies[i]->atom : xcb_atom_t(XCB_ATOM_NONE);
}
