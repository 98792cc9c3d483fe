#pragma once

#include "platform/Screens.h"
#include "platform/wayland/LayerSurface.h"
#include "platform/wayland/WaylandMenu.h"

#include <QObject>
#include <QPoint>

#include <memory>

class QMenu;
class WaylandDisplay;

// Where the tray menu opens from: the screen that holds `at` (a point of
// the desktop in its device pixels, as the compositor counts them), or
// else the first one, and the point within it; and whether it unfolds
// downwards (from the upper half of the screen) or upwards.
struct TrayMenuPlace {
    LayerPlace anchor;
    bool below = true;
    qreal qtScale = 1; // the screen's device pixels per pixel of Qt's
};
TrayMenuPlace trayMenuPlace(const QList<ScreenInfo>& screens, QPoint at);

// The tray icon's menu on a compositor with a layer shell: a popup of a
// surface of its own, one unseen pixel at the place the tray asked for it.
// The compositor shows it above every window and bar and closes it on a
// click elsewhere, as with the banner's menu; an XWayland menu would take
// that click at the pointer's last place over an X window instead, and
// choose the row that lies there.
class WaylandTrayMenu : public QObject {
    Q_OBJECT
public:
    WaylandTrayMenu(WaylandDisplay& display, QMenu& menu, const TrayMenuPlace& place);
    ~WaylandTrayMenu() override;

    // Open, not merely waiting for the compositor to place it.
    bool isOpen() const { return m_open != nullptr; }

signals:
    // It closed, a chosen row's action triggered: delete it later.
    void closed();

private:
    void run();

    WaylandDisplay& m_display;
    QMenu& m_menu;
    TrayMenuPlace m_place;
    LayerSurface m_anchor;
    std::unique_ptr<WaylandMenu> m_open;
    bool m_started = false;
};
