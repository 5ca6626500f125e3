// A fault on any thread of the host (the plug-in's window thread included)
// is reported on stdout and ends the process with exit code 7, instead of
// Wine's debugger or a silent end.  A window thread that runs on into its
// unloaded DLL shows up here as a fault in no module.
#pragma once

namespace host {

constexpr int kCrashExitCode = 7;

void ReportCrashes();

}  // namespace host
