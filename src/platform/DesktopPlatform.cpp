#include "platform/DesktopPlatform.h"

#include "platform/NullWindowSystem.h"
#include "platform/x11/X11WindowSystem.h"

DesktopPlatform::DesktopPlatform(const QIcon& dialogIcon)
    : m_dialogs(dialogIcon) {
    // The first store kept every instance in one INI file; its entries move
    // to files of their own the first time.
    m_preferences.carryOverFrom(SettingsFiles::defaultFolder() + QStringLiteral("/vorlane.conf"));
    if (auto x11 = X11WindowSystem::create())
        m_windows = std::move(x11);
    else
        m_windows = std::make_unique<NullWindowSystem>();
}

DesktopPlatform::~DesktopPlatform() = default;

Platform DesktopPlatform::services() {
    return Platform{m_preferences, m_stats, m_screens, *m_windows, m_processes, m_dialogs};
}
