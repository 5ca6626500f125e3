// Unloading the plug-in the way the host does at exit, timed: its
// shutdown closes its windows and waits for its window thread.
#pragma once

#include "tools/stats_plugin_api.h"

namespace host {

struct UnloadReport {
    double ms = 0.0;          // how long FreeLibrary took
    bool moduleGone = false;  // no module of the DLL's name left in the process
};

// A FreeLibrary that has not returned after this long never will: the
// process reports it and ends with exit code 6.
constexpr unsigned kUnloadGiveUpMs = 20000;
// Longer than this counts as too slow in the unload cycles.
constexpr double kUnloadSlowMs = 3000.0;

// How long the host goes on handling messages after FreeLibrary returned:
// a plug-in thread still waiting on a call into the host goes on then, and
// faults here, where it is watched, if its code is already gone.
constexpr unsigned kAfterUnloadMs = 200;

// FreeLibrary, timed; then messages for kAfterUnloadMs.
UnloadReport UnloadPlugin(StatsPluginApi& api);

// "unload: FreeLibrary returned in X ms; module gone: yes"
void PrintUnload(const UnloadReport& report);

}  // namespace host
