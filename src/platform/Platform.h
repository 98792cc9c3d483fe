#pragma once

class Dialogs;
class PreferencesStore;
class Processes;
class Screens;
class SystemStatsSource;
class WindowSystem;

// The desktop services the program's logic uses, as one bundle of
// references. The real ones are made in one place (DesktopPlatform); tests
// hand in recording fakes.
struct Platform {
    PreferencesStore& preferences;
    SystemStatsSource& stats;
    Screens& screens;
    WindowSystem& windows;
    Processes& processes;
    Dialogs& dialogs;
};
