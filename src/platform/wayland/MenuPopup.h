#pragma once

#include "common/Result.h"
#include "platform/wayland/ShmBuffers.h"

#include <QObject>
#include <QRect>

class QMenu;
class WaylandDisplay;
struct wl_surface;
struct xdg_popup;
struct xdg_positioner;
struct xdg_surface;
struct zwlr_layer_surface_v1;

// Where a menu opens: beside a rectangle of the surface it hangs from, in
// that surface's logical pixels. The compositor places it there, moved or
// turned over to stay on the output.
struct PopupPlace {
    zwlr_layer_surface_v1* layer = nullptr; // the banner's surface, for its menu
    xdg_surface* parent = nullptr;          // or the menu a submenu unfolds from
    QRect anchor;                           // the click's column of the strip, or a row
    bool below = true;                      // a menu: below the anchor, else above it
    bool submenu = false;                   // a submenu: beside its row
    bool rightToLeft = false;               // unfolding leftwards
};

// One menu of an open menu tree, as an xdg popup of the program's own: the
// compositor shows it above every window and bar, and tells when a click
// elsewhere closes it. Its picture is the QMenu's, drawn into shared memory
// at the output's scale, so it looks as the X11 menu does.
class MenuPopup : public QObject {
    Q_OBJECT
public:
    // `qtScale`: the compositor's logical pixels per pixel of Qt's.
    MenuPopup(WaylandDisplay& display, QMenu& menu, const PopupPlace& place, int scale,
              qreal qtScale);
    ~MenuPopup() override;

    QMenu& menu() const { return m_menu; }
    wl_surface* surface() const { return m_surface; }
    xdg_surface* xdgSurface() const { return m_xdgSurface; }
    // A point on the surface in the menu's own pixels.
    QPoint menuPoint(QPointF surfacePoint) const { return (surfacePoint / m_qtScale).toPoint(); }
    QRect surfaceRect(const QRect& menuRect) const;
    // Draws the menu as it is now (its active row lit); once configured.
    [[nodiscard]] Result drawMenu();

signals:
    // The compositor closed it: a click outside the program's menus.
    void dismissed();

private:
    xdg_positioner* positioner(const PopupPlace& place) const;
    // What libwayland calls on the compositor's events (MenuPopup.cpp).
    struct Events;

    WaylandDisplay& m_display;
    QMenu& m_menu;
    int m_scale;
    qreal m_qtScale;
    QSize m_logical;
    bool m_configured = false;
    wl_surface* m_surface = nullptr;
    xdg_surface* m_xdgSurface = nullptr;
    xdg_popup* m_popup = nullptr;
    ShmBuffers m_buffers;
};
