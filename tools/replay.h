// Replaying a log through the plug-in the way the host does after a reset:
// the operator types each call, the exchange is checked, the QSO is logged;
// then the result is fetched and the plug-in's files are shown.
#pragma once

#include <string>
#include <vector>

#include "tools/automation_server.h"
#include "tools/host_options.h"
#include "tools/stats_plugin_api.h"

namespace host {

// How long the host handles messages after the reset, so that the
// plug-in's window thread can connect to the automation object.
constexpr unsigned kConnectPauseMs = 50;

// Runs the reset (with the header dialog in an export run), replays the
// QSOs, prints what the plug-in answered, holds (--hold-ms) and unloads the
// plug-in.  With `automation` (null: not served) the dial follows each
// QSO's frequency and the typed call each letter.  Returns the exit code.
int Replay(const HostOptions& options, StatsPluginApi& api, const ResetRequest& reset,
           const std::vector<Qso>& qsos, const cty::CountryFile* countries,
           HostAutomation* automation);

// ResetStats0, with a watcher that fills in the Cabrillo header when the
// request asks for an export; false when an export's dialog never showed.
bool ResetWithHeaderDialog(const StatsPluginApi& api, const ResetRequest& reset);

// GetResult0, with a watcher for the "Output" box in an export run; prints
// the result (and the box's text).  Returns the result text.
std::string FetchResult(const StatsPluginApi& api, bool exportRun, bool* boxSeen);

// "2017-02-11 12:00", "null" or "invalid".
std::string DateText(const OleDate& date);

}  // namespace host
