#include "plugin/stats_plugin.h"

#include <mutex>

using Guard = std::lock_guard<std::recursive_mutex>;

int StatsPlugin::AddData(const QsoArgs& args) {
    Guard guard(m_state.lock);
    return AddQso(m_state, args);
}

int StatsPlugin::RemoveData(const QsoArgs& args) {
    Guard guard(m_state.lock);
    RemoveQso(m_state, args, m_env);
    m_state.g_refreshPending = 1;
    if (m_env.SetupWindowRunning()) m_env.PostRefresh();
    return 1;
}

int StatsPlugin::CheckCall(const CheckArgs& args) {
    Guard guard(m_state.lock);
    // Ask the windows for one refresh; the refresh re-arms the flag when done.
    if (m_env.SetupWindowRunning() && m_state.g_refreshPending != 0) {
        m_state.g_refreshPending = 0;
        m_env.PostRefresh();
    }
    return JudgeCall(m_state.g_log, m_state.g_hostVersion, args);
}

int StatsPlugin::IsValidExchg(const std::string& exchange, const std::string& call,
                              const std::string& country) {
    return JudgeExchange(exchange, call, country);
}

void StatsPlugin::SetVersion() {
    Guard guard(m_state.lock);
    m_state.g_htmlResult = 1;
}
