#include "plugin/stats_plugin.h"

#include "contest/bad_qso_file.h"

// The bad-QSO file is written once the lock is released: the window thread
// needs the lock to paint, and a slow disk must not hold it up.  The host
// thread is the only writer, so the writes keep their order.
bool StatsPlugin::AddData(const QsoArgs& args) {
    Entry entry;
    std::string badQsoFile;
    {
        const SharedState::Locked s = m_shared.Lock();
        entry = AddQso(*s, args);
        if (!entry.badLines.empty()) badQsoFile = s->g_badQsoFile;
    }
    BadQso::Append(badQsoFile, entry.badLines);
    return entry.entered;
}

void StatsPlugin::RemoveData(const QsoArgs& args) {
    std::string badQsoFile;
    {
        const SharedState::Locked s = m_shared.Lock();
        ResetMapsAfter(RemoveQso(*s, args), *s);
        s->g_refreshPending = 1;
        if (m_env.SetupWindowRunning()) m_env.PostRefresh();
        badQsoFile = s->g_badQsoFile;
    }
    DropBadLines(badQsoFile, args);
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
    if (removal.callAreaStation && m_env.ResetCallAreaCells())
        state.bandLists.EmptyMapRow(removal.row);
    if (removal.spanishStation) m_env.ResetProvinceCells();
}
