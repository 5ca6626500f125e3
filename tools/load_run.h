// A long run with made-up QSOs, to watch the plug-in's memory as the log
// grows to thousands of QSOs and shrinks to nothing again.
#pragma once

#include "tools/host_options.h"
#include "tools/stats_plugin_api.h"

namespace host {

// Adds `options.load` QSOs (a CheckCall0 between every two, GetResult0
// every 100), then removes them all in shuffled order.  Returns the exit
// code: non-zero when the emptied log still shows QSOs.
int LoadRun(const HostOptions& options, const StatsPluginApi& api, ResetRequest reset);

}  // namespace host
