#pragma once

#include "common/Result.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/ProcFsStatsSource.h"
#include "platform/ProcFsTable.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreens.h"
#include "platform/SettingsFiles.h"

#include <memory>
#include <optional>

struct xcb_connection_t;

// Owns the real implementation of every service and hands them out as one
// Platform. This is the one place where they are chosen: the X11 window
// system when Qt runs on xcb, a layer surface of the program's own where a
// Wayland compositor offers that, a window system that does nothing otherwise
// (the offscreen platform). Make it after the QApplication.
class DesktopPlatform {
public:
    explicit DesktopPlatform(const QIcon& dialogIcon);
    ~DesktopPlatform();

    // The connection through which start-up found the X server. It stays
    // open until Qt has its own: a server that resets when its last client
    // leaves (Xvfb, a session whose first client is the banner) would
    // otherwise reset in between and refuse Qt.
    using XServerCheck = std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)>;

    // Before the QApplication: Qt runs on X11 (on a Wayland session through
    // XWayland) unless the user chose a platform in QT_QPA_PLATFORM. What
    // fails when there is no X server to run on.
    static Result chooseQtPlatform(XServerCheck& check);

    Platform services();
    // The first store kept every instance in one INI file; its entries move
    // to files of their own the first time a banner starts.
    Result carryOverOldSettings();

private:
    SettingsFiles m_preferences;
    ProcFsStatsSource m_stats;
    QtScreens m_screens;
    std::unique_ptr<WindowSystem> m_windows;
    ProcFsTable m_processTable;
    Processes m_processes{m_processTable};
    QtDialogs m_dialogs;
};
