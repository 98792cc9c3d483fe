#pragma once

#include "platform/Platform.h"
#include "platform/ProcFsStatsSource.h"
#include "platform/QSettingsPreferencesStore.h"

// Owns the real implementation of every service and hands them out as one
// Platform. This is the one place where the real services are chosen.
class DesktopPlatform {
public:
    Platform services() { return Platform{m_preferences, m_stats}; }

private:
    QSettingsPreferencesStore m_preferences;
    ProcFsStatsSource m_stats;
};
