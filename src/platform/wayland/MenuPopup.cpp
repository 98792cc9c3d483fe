#include "platform/wayland/MenuPopup.h"

#include "platform/wayland/LayerShellProtocol.h"
#include "platform/wayland/WaylandDisplay.h"

#include "xdg-shell-client-protocol.h"

#include <QMenu>
#include <wayland-client.h>

struct MenuPopup::Events {
    static MenuPopup* of(void* data) { return static_cast<MenuPopup*>(data); }

    static constexpr xdg_surface_listener surface{
        .configure =
            [](void* data, xdg_surface* surface, std::uint32_t serial) {
                xdg_surface_ack_configure(surface, serial);
                of(data)->m_configured = true;
                static_cast<void>(of(data)->drawMenu());
            },
    };
    static constexpr xdg_popup_listener popup{
        .configure = [](void*, xdg_popup*, std::int32_t, std::int32_t, std::int32_t,
                        std::int32_t) {}, // the size is the menu's own
        .popup_done = [](void* data, xdg_popup*) { emit of(data)->dismissed(); },
        .repositioned = [](void*, xdg_popup*, std::uint32_t) {}, // never asked for
    };
};

MenuPopup::MenuPopup(WaylandDisplay& display, QMenu& menu, const PopupPlace& place, int scale,
                     qreal qtScale)
    : m_display(display)
    , m_menu(menu)
    , m_scale(scale)
    , m_qtScale(qtScale)
    , m_buffers(display.shm(), [this] { static_cast<void>(drawMenu()); }) {
    // Laid out as Qt would show it, never shown by Qt.
    m_menu.ensurePolished();
    m_menu.resize(m_menu.sizeHint());
    m_logical = (QSizeF(m_menu.size()) * qtScale).toSize();
    m_surface = wl_compositor_create_surface(display.compositor());
    m_xdgSurface = xdg_wm_base_get_xdg_surface(display.xdgShell(), m_surface);
    xdg_surface_add_listener(m_xdgSurface, &Events::surface, this);
    xdg_positioner* placed = positioner(place);
    m_popup = xdg_surface_get_popup(m_xdgSurface, place.parent, placed);
    xdg_positioner_destroy(placed);
    xdg_popup_add_listener(m_popup, &Events::popup, this);
    if (place.layer)
        zwlr_layer_surface_v1_get_popup(place.layer, m_popup);
    // The pointer and the keyboard stay with the program's menus until one
    // closes; a click elsewhere closes them.
    xdg_popup_grab(m_popup, display.seat(), display.lastInputSerial());
    wl_surface_commit(m_surface);
    display.flush();
}

MenuPopup::~MenuPopup() {
    m_buffers.dropAll();
    xdg_popup_destroy(m_popup);
    xdg_surface_destroy(m_xdgSurface);
    wl_surface_destroy(m_surface);
    m_display.flush();
}

xdg_positioner* MenuPopup::positioner(const PopupPlace& place) const {
    xdg_positioner* p = xdg_wm_base_create_positioner(m_display.xdgShell());
    xdg_positioner_set_size(p, std::max(1, m_logical.width()), std::max(1, m_logical.height()));
    const QRect a = place.anchor;
    xdg_positioner_set_anchor_rect(p, a.x(), a.y(), std::max(1, a.width()),
                                   std::max(1, a.height()));
    const bool left = place.rightToLeft;
    if (place.submenu) {
        // Beside its row, its first row level with it.
        xdg_positioner_set_anchor(p, left ? XDG_POSITIONER_ANCHOR_TOP_LEFT
                                          : XDG_POSITIONER_ANCHOR_TOP_RIGHT);
        xdg_positioner_set_gravity(p, left ? XDG_POSITIONER_GRAVITY_BOTTOM_LEFT
                                           : XDG_POSITIONER_GRAVITY_BOTTOM_RIGHT);
        xdg_positioner_set_constraint_adjustment(p,
                                                 XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_X |
                                                     XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    } else {
        // Off the strip at the click, towards the screen's middle.
        xdg_positioner_set_anchor(p, place.below ? XDG_POSITIONER_ANCHOR_BOTTOM
                                                 : XDG_POSITIONER_ANCHOR_TOP);
        xdg_positioner_set_gravity(p, place.below ? (left ? XDG_POSITIONER_GRAVITY_BOTTOM_LEFT
                                                          : XDG_POSITIONER_GRAVITY_BOTTOM_RIGHT)
                                                  : (left ? XDG_POSITIONER_GRAVITY_TOP_LEFT
                                                          : XDG_POSITIONER_GRAVITY_TOP_RIGHT));
        xdg_positioner_set_constraint_adjustment(p,
                                                 XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_X |
                                                     XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_Y |
                                                     XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    }
    return p;
}

QRect MenuPopup::surfaceRect(const QRect& menuRect) const {
    return QRectF(QPointF(menuRect.topLeft()) * m_qtScale, QSizeF(menuRect.size()) * m_qtScale)
        .toRect();
}

Result MenuPopup::drawMenu() {
    if (!m_configured)
        return Result::done();
    const QSize pixels = m_logical * m_scale;
    const Result shown =
        m_buffers.present(m_surface, pixels, m_scale, m_logical, [&](QImage& image) {
            image.setDevicePixelRatio(m_scale * m_qtScale);
            m_menu.render(&image);
        });
    m_display.flush();
    return shown;
}
