// A long run with made-up QSOs, to watch the plug-in's memory as the log
// grows to thousands of QSOs and shrinks to nothing again.
#pragma once

#include "tools/host_options.h"
#include "tools/stats_plugin_api.h"

namespace host {

// Adds `options.load` QSOs (a CheckCall0 between every two, GetResult0
// every 100), then removes them all in shuffled order, printing the time of
// each half and the memory at the start, with the full log and at the end.
// Returns the exit code: 4 when the emptied log's result is not the empty
// log's, 5 when the heap holds clearly more than at the start.
int LoadRun(const HostOptions& options, const StatsPluginApi& api, ResetRequest reset);

}  // namespace host
