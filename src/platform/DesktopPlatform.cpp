#include "platform/DesktopPlatform.h"

#include "platform/NullWindowSystem.h"
#include "platform/wayland/WaylandWindowSystem.h"
#include "platform/x11/X11WindowSystem.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

DesktopPlatform::DesktopPlatform(const QIcon& dialogIcon)
    : m_dialogs(dialogIcon) {
    m_preferences.folder().removeStaleTemporaries();
    // Where Qt runs on X11, a Wayland compositor with a layer shell shows the
    // banner itself (Qt's menus and dialogs go through XWayland); others show
    // it through XWayland. Off X11 (the offscreen platform) nothing is shown.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_windows = WaylandWindowSystem::create();
    if (!m_windows)
        m_windows =
            X11WindowSystem::create([this](qint64 pid) { return m_processes.isBanner(pid); });
    if (!m_windows)
        m_windows = std::make_unique<NullWindowSystem>();
}

DesktopPlatform::~DesktopPlatform() = default;

Result DesktopPlatform::chooseQtPlatform(XServerCheck& check) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return Result::done();
    qputenv("QT_QPA_PLATFORM", "xcb");
    check = XServerCheck(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (!xcb_connection_has_error(check.get()))
        return Result::done();
    check.reset();
    const QString display = qEnvironmentVariable("DISPLAY");
    return Result::failed(display.isEmpty()
                              ? QStringLiteral("no X server: DISPLAY is not set (a Wayland "
                                               "session needs XWayland)")
                              : QStringLiteral("the X server %1 cannot be reached").arg(display));
}

Result DesktopPlatform::carryOverOldSettings() {
    return m_preferences.carryOverFrom(
        m_preferences.folder().pathOf(QStringLiteral("vorlane.conf")));
}

Platform DesktopPlatform::services() {
    return Platform{m_preferences, m_stats, m_screens, *m_windows, m_processes, m_dialogs};
}
