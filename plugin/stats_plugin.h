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
#include "settings/settings.h"

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
    StatsPlugin(Environment& env, ProfileStore& profile)
        : m_posts(env), m_blocking(env), m_settings(profile) {}

    void ResetStats(const ResetArgs& args);
    // Whether the QSO entered the log, also when a step after it failed.
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
    // The state without the lock: only for a caller that knows no window
    // thread runs (tests, benchmarks).
    PluginState& State() { return m_state; }

  private:
    void ResetMapsAfter(const Removal& removal, PluginState& state);
    // The reset's steps that may wait: the header dialog of an export, the
    // "Start" toggle and the window thread's start.
    void EditHeaderAndStartWindows(const ResetArgs& args, const std::string& hostVersion,
                                   CCabrilloLog& cabrillo);

    // Under the lock only the posts; the blocking calls only outside it.
    WindowPosts& m_posts;
    BlockingCalls& m_blocking;
    Settings m_settings;
    PluginState m_state;
    SharedState m_shared{m_state};
};
