// Load, start the window thread, unload, again and again: the plug-in must
// leave nothing behind (no module, no window) and unload quickly each time.
#pragma once

#include "tools/automation_server.h"
#include "tools/host_options.h"

namespace host {

// `options.cycles` cycles, one line each, then a summary.  With
// `automation` (null: not served) the typed call follows the call checked.
// Returns 0, 1 when the DLL cannot be loaded, or 6 when an unload took
// longer than kUnloadSlowMs, or left the module or a window behind.
int RunUnloadCycles(const HostOptions& options, HostAutomation* automation);

}  // namespace host
