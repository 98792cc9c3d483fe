#pragma once

// A recording fake of every desktop service (one a file beside this one), as
// one Platform. The fakes share one journal, so that tests can check the
// order in which the program used them.
#include "fakes/FakeProcessTable.h"
#include "fakes/FakeScreens.h"
#include "fakes/Journal.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingPreferencesStore.h"
#include "fakes/RecordingWindowSystem.h"
#include "fakes/ScriptedStatsSource.h"
#include "platform/Platform.h"
#include "platform/Processes.h"

#include <memory>

struct FakePlatform {
    RecordingPreferencesStore preferences;
    ScriptedStatsSource stats;
    FakeScreens screens;
    RecordingWindowSystem windows;
    FakeProcessTable table;
    std::unique_ptr<Processes> processes = std::make_unique<Processes>(table);
    RecordingDialogs dialogs;

    FakePlatform() { journal.clear(); }
    Platform services() { return {preferences, stats, screens, windows, *processes, dialogs}; }
    // This program as a file of another path, for the services made after.
    void runFrom(const QString& executable) {
        table.running[table.ownPid()].facts.fileName = executable;
        processes = std::make_unique<Processes>(table);
    }
};
