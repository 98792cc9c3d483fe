#pragma once

#include "platform/wayland/WaylandDisplay.h"
#include "platform/wayland/WaylandTrayMenu.h"
#include "platform/WindowSystem.h"

#include <memory>

// The window system of a Wayland compositor with a layer shell (sway, KDE
// Plasma). Qt runs on XWayland for dialogs; the banner window shows on a
// layer surface of the program's own, and the menus are its popups. The compositor
// keeps windows out of its exclusive zone and stacks the banners at one
// edge, so there are no other windows to deal with.
class WaylandWindowSystem final : public WindowSystem {
public:
    // Nothing when WAYLAND_DISPLAY names no compositor with a layer shell.
    static std::unique_ptr<WaylandWindowSystem> create();

    std::unique_ptr<BannerSurface> surfaceFor(QWidget& window) override;
    bool traysAreStatusNotifierHosts() const override { return true; }
    void popUpTrayMenu(QMenu& menu, std::optional<QPoint> at,
                       const QList<ScreenInfo>& screens) override;

private:
    explicit WaylandWindowSystem(std::unique_ptr<WaylandDisplay> display);

    std::unique_ptr<WaylandDisplay> m_display;
    std::unique_ptr<WaylandTrayMenu> m_trayMenu; // while one opens or is open
};
