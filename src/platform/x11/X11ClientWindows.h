#pragma once

#include "platform/WindowSystem.h"
#include "platform/x11/X11Atoms.h"

#include <QList>

// Other programs' windows: which of them the banner may move, with their
// frames, and the move and resize requests sent to the window manager for
// them.
class X11ClientWindows {
public:
    X11ClientWindows(xcb_connection_t* connection, xcb_window_t root, const X11Atoms& atoms);

    // Read from the server once after they changed: an idle pass asks it nothing.
    QList<ClientWindow> nudgeable();
    // A window of the root's or the client list changed.
    void changed() { m_known = false; }
    // Sends every request before returning; nothing is waited for.
    void moveResize(const QList<WindowRequest>& requests);

private:
    QList<ClientWindow> read();

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    const X11Atoms& m_atoms;
    QList<ClientWindow> m_windows;
    bool m_known = false;
};
