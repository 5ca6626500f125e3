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

UnloadReport UnloadPlugin(StatsPluginApi& api);

// "unload: FreeLibrary returned in X ms; module gone: yes"
void PrintUnload(const UnloadReport& report);

}  // namespace host
