// The plug-in behind the exports: each export converts its arguments into
// these structures and calls one member.  Null texts arrive as empty texts.
#pragma once

#include <cstdint>
#include <string>

#include "contest/call_checks.h"
#include "contest/ole_date_time.h"
#include "contest/qso_entry.h"
#include "plugin/environment.h"
#include "plugin/plugin_state.h"
#include "plugin/shared_state.h"
#include "windows/settings.h"

struct ResetArgs {
    std::string hostDirectory;
    int exportRequest = 0;
    std::string ownCall;
    COleDateTime start;
    COleDateTime end;
    std::string ownCountry;
};

class StatsPlugin {
  public:
    StatsPlugin(Environment& env, ProfileStore& profile) : m_env(env), m_settings(profile) {}

    void ResetStats(const ResetArgs& args);
    // Whether the QSO entered the log.
    bool AddData(const QsoArgs& args);
    void RemoveData(const QsoArgs& args);
    CallVerdict CheckCall(const CheckArgs& args);
    bool IsValidExchg(const std::string& exchange, const std::string& call,
                      const std::string& country);
    const char* GetResult();
    void SetVersion();

    // The window thread's door to the state.
    SharedState& Shared() { return m_shared; }
    Settings& GetSettings() { return m_settings; }
    // The number of records in the log, read under the lock.
    int LogCount();
    // The state without the lock: only for a caller that knows no window
    // thread runs (tests, benchmarks).
    PluginState& State() { return m_state; }

  private:
    void ResetMapsAfter(const Removal& removal, PluginState& state);

    Environment& m_env;
    Settings m_settings;
    PluginState m_state;
    SharedState m_shared{m_state};
};
