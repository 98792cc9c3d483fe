#pragma once

#include "fakes/FakeScreens.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingPreferencesStore.h"
#include "fakes/RecordingProcesses.h"
#include "fakes/RecordingWindowSystem.h"
#include "fakes/ScriptedStatsSource.h"
#include "platform/Platform.h"

// Every fake service, recording into one shared journal, so that tests can
// check the order in which the program used them.
struct FakePlatform {
    QStringList journal;
    RecordingPreferencesStore preferences{&journal};
    ScriptedStatsSource stats{&journal};
    FakeScreens screens;
    RecordingWindowSystem windows{&journal};
    RecordingProcesses processes;
    RecordingDialogs dialogs;

    Platform services() {
        return Platform{preferences, stats, screens, windows, processes, dialogs};
    }
};
