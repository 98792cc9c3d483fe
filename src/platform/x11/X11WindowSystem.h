#pragma once

#include "platform/WindowSystem.h"
#include "platform/x11/X11Atoms.h"

#include <memory>

// The window system over Qt's own xcb connection.
class X11WindowSystem final : public WindowSystem {
public:
    // Nothing when Qt does not run on xcb with a live connection.
    static std::unique_ptr<X11WindowSystem> create();

    void prepareBannerWindow(QWidget& window) override;
    QSize rootSize() override;
    QList<Strut> foreignStruts() override;

    xcb_connection_t* connection() const { return m_connection; }
    const X11Atoms& atoms() const { return m_atoms; }

private:
    explicit X11WindowSystem(xcb_connection_t* connection);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    X11Atoms m_atoms;
};
