#pragma once

#include "platform/OtherWindows.h"
#include "platform/x11/X11Atoms.h"

#include <QList>

#include <functional>

// Other programs' windows: which of them the banner may move, with their
// frames, and the move and resize requests sent to the window manager for
// them. The windows of banner processes (their dialogs, say) are never moved.
class X11ClientWindows {
public:
    using BannerCheck = std::function<bool(qint64 pid)>;
    X11ClientWindows(xcb_connection_t* connection, xcb_window_t root, const X11Atoms& atoms,
                     BannerCheck isBanner);

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
    BannerCheck m_isBanner;
    QList<ClientWindow> m_windows;
    bool m_known = false;
};
