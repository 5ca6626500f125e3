#include "plugin/stats_plugin.h"

bool StatsPlugin::AddData(const QsoArgs& args) { return AddQso(*m_shared.Lock(), args); }

void StatsPlugin::RemoveData(const QsoArgs& args) {
    const SharedState::Locked s = m_shared.Lock();
    ResetMapsAfter(RemoveQso(*s, args), *s);
    s->g_refreshPending = 1;
    if (m_env.SetupWindowRunning()) m_env.PostRefresh();
}

CallVerdict StatsPlugin::CheckCall(const CheckArgs& args) {
    const SharedState::Locked s = m_shared.Lock();
    // Ask the windows for one refresh; the refresh re-arms the flag when done.
    if (m_env.SetupWindowRunning() && s->g_refreshPending != 0) {
        s->g_refreshPending = 0;
        m_env.PostRefresh();
    }
    return JudgeCall(s->g_log, s->g_hostVersion, args);
}

bool StatsPlugin::IsValidExchg(const std::string& exchange, const std::string& call,
                               const std::string& country) {
    return JudgeExchange(exchange, call, country);
}

void StatsPlugin::SetVersion() { m_shared.Lock()->g_htmlResult = 1; }

int StatsPlugin::LogCount() { return m_shared.Lock()->g_log.GetCount(); }

// The map windows of the removed station's kind go back to unworked; the
// next refresh marks what is still worked.  The call-area map also takes
// its band's map lists with it, when it is open.
void StatsPlugin::ResetMapsAfter(const Removal& removal, PluginState& state) {
    if (!removal.removed) return;
    if (removal.callAreaStation && m_env.ResetCallAreaCells()) state.EmptyMapRow(removal.row);
    if (removal.spanishStation) m_env.ResetProvinceCells();
}
