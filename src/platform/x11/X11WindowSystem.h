#pragma once

#include "platform/WindowSystem.h"
#include "platform/x11/X11Atoms.h"
#include "platform/x11/X11Desktop.h"

#include <memory>

// The window system over Qt's own xcb connection: the banner window as a
// dock of the window manager's, and the other windows of the desktop.
class X11WindowSystem final : public WindowSystem {
public:
    using BannerCheck = X11Desktop::BannerCheck;
    // Nothing when Qt does not run on xcb with a live connection.
    static std::unique_ptr<X11WindowSystem> create(BannerCheck isBanner);

    std::unique_ptr<BannerSurface> surfaceFor(QWidget& window) override;
    OtherWindows* otherWindows() override { return &m_desktop; }

private:
    X11WindowSystem(xcb_connection_t* connection, BannerCheck isBanner);

    xcb_connection_t* m_connection;
    X11Atoms m_atoms;
    X11Desktop m_desktop;
};
