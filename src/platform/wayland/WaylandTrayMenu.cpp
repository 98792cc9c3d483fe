#include "platform/wayland/WaylandTrayMenu.h"

#include "platform/StrutGeometry.h"

#include <QMenu>
#include <QPointer>

#include <algorithm>

TrayMenuPlace trayMenuPlace(const QList<ScreenInfo>& screens, QPoint at) {
    TrayMenuPlace place;
    place.anchor.size = QSize(1, 1);
    qsizetype index = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (toDevice(screens[i].geometry, screens[i]).contains(at))
            index = i;
    }
    if (screens.isEmpty()) {
        place.anchor.point = QPoint(std::max(0, at.x()), std::max(0, at.y()));
        return place;
    }
    const ScreenInfo& screen = screens[index];
    const QRect device = toDevice(screen.geometry, screen);
    place.anchor.outputName = screen.name;
    place.anchor.outputPosition = screen.geometry.topLeft();
    place.anchor.outputIndex = index;
    // A point beyond the screen (a host that passes nonsense) is kept on it.
    const QPoint within(std::clamp(at.x(), device.left(), device.right()),
                        std::clamp(at.y(), device.top(), device.bottom()));
    place.anchor.point = within - device.topLeft();
    place.below = within.y() < device.center().y();
    place.qtScale = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    return place;
}

WaylandTrayMenu::WaylandTrayMenu(WaylandDisplay& display, QMenu& menu, const TrayMenuPlace& place)
    : m_display(display)
    , m_menu(menu)
    , m_place(place)
    , m_anchor(display) {
    // Once the compositor has sized the anchor, it shows (transparent), and
    // the menu opens from it.
    connect(&m_anchor, &LayerSurface::needsImage, this, [this] {
        static_cast<void>(m_anchor.present([](QImage&) {}));
        if (!std::exchange(m_started, true))
            QMetaObject::invokeMethod(this, &WaylandTrayMenu::run, Qt::QueuedConnection);
    });
    m_anchor.setPlace(place.anchor);
}

WaylandTrayMenu::~WaylandTrayMenu() {
    if (m_open)
        m_open->closeAll(); // before the anchor it hangs from
}

void WaylandTrayMenu::run() {
    if (!m_anchor.layer()) {
        emit closed(); // its output went meanwhile
        return;
    }
    PopupPlace popup;
    popup.layer = m_anchor.layer();
    popup.anchor = QRect(0, 0, 1, 1);
    popup.below = m_place.below;
    popup.rightToLeft = m_menu.isRightToLeft();
    m_open = std::make_unique<WaylandMenu>(m_display, m_anchor.scale(), m_place.qtScale);
    m_anchor.takeKeyboard(true);
    const QPointer<WaylandTrayMenu> alive(this);
    m_open->exec(m_menu, popup);
    if (!alive) // what was chosen may have ended the program
        return;
    m_open.reset();
    m_anchor.takeKeyboard(false);
    emit closed();
}
