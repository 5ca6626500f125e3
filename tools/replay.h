// Replaying a log through the plug-in the way the host does after a reset:
// the operator types each call, the exchange is checked, the QSO is logged;
// then the result is fetched and the plug-in's files are shown.
#pragma once

#include <string>
#include <vector>

#include "tools/host_options.h"
#include "tools/stats_plugin_api.h"

namespace host {

// Runs the reset (with the header dialog in an export run), replays the
// QSOs and prints what the plug-in answered.  Returns the exit code.
int Replay(const HostOptions& options, const StatsPluginApi& api, const ResetRequest& reset,
           const std::vector<Qso>& qsos, const cty::CountryFile* countries);

// ResetStats0, with a watcher that fills in the Cabrillo header when the
// request asks for an export; false when an export's dialog never showed.
bool ResetWithHeaderDialog(const StatsPluginApi& api, const ResetRequest& reset);

// GetResult0, with a watcher for the "Output" box in an export run; prints
// the result (and the box's text).  Returns the result text.
std::string FetchResult(const StatsPluginApi& api, bool exportRun, bool* boxSeen);

// "2017-02-11 12:00", "null" or "invalid".
std::string DateText(const OleDate& date);

}  // namespace host
