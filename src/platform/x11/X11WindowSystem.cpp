#include "platform/x11/X11WindowSystem.h"

#include "platform/x11/X11BannerSurface.h"

#include <QGuiApplication>

std::unique_ptr<X11WindowSystem> X11WindowSystem::create(BannerCheck isBanner) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return nullptr;
    return std::unique_ptr<X11WindowSystem>(new X11WindowSystem(connection, std::move(isBanner)));
}

X11WindowSystem::X11WindowSystem(xcb_connection_t* connection, BannerCheck isBanner)
    : m_connection(connection)
    , m_atoms(connection)
    , m_desktop(connection, m_atoms, std::move(isBanner)) {}

std::unique_ptr<BannerSurface> X11WindowSystem::surfaceFor(QWidget& window) {
    return std::make_unique<X11BannerSurface>(window, m_connection, m_atoms, m_desktop);
}
