#include "platform/wayland/WaylandWindowSystem.h"

#include "platform/wayland/WaylandBannerSurface.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

std::unique_ptr<WaylandWindowSystem> WaylandWindowSystem::create() {
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return nullptr;
    auto display = WaylandDisplay::open();
    if (!display)
        return nullptr;
    return std::unique_ptr<WaylandWindowSystem>(new WaylandWindowSystem(std::move(display)));
}

WaylandWindowSystem::WaylandWindowSystem(std::unique_ptr<WaylandDisplay> display)
    : m_display(std::move(display)) {
    connect(m_display.get(), &WaylandDisplay::connectionLost, this, [this] {
        emit lost(QStringLiteral("the connection to the Wayland compositor was lost"));
    });
}

std::unique_ptr<BannerSurface> WaylandWindowSystem::surfaceFor(QWidget& window) {
    return std::make_unique<WaylandBannerSurface>(
        *m_display, window, [this](const QString& message) { emit problem(message); });
}

void WaylandWindowSystem::popUpTrayMenu(QMenu& menu, std::optional<QPoint> at,
                                        const QList<ScreenInfo>& screens) {
    if (m_trayMenu && m_trayMenu->isOpen())
        return; // one at a time
    if (!m_display->xdgShell()) {
        WindowSystem::popUpTrayMenu(menu, at, screens);
        return;
    }
    if (!at) {
        // XWayland's pointer: where it last was over an X window.
        const QPoint pointer = QCursor::pos();
        const QScreen* screen = QGuiApplication::screenAt(pointer);
        const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
        const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
        at = origin + (QPointF(pointer - origin) * dpr).toPoint();
    }
    m_trayMenu = std::make_unique<WaylandTrayMenu>(*m_display, menu, trayMenuPlace(screens, *at));
    connect(
        m_trayMenu.get(), &WaylandTrayMenu::closed, this,
        [this, menu = m_trayMenu.get()] {
            if (m_trayMenu.get() == menu)
                m_trayMenu.reset();
        },
        Qt::QueuedConnection);
}
