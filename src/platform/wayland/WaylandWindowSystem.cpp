#include "platform/wayland/WaylandWindowSystem.h"

#include "platform/wayland/WaylandBannerSurface.h"

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
