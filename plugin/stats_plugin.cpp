#include "plugin/stats_plugin.h"

#include "contest/bad_qso_file.h"

// The bad-QSO file is written once the lock is released: the window thread
// needs the lock to paint, and a slow disk must not hold it up.  The host
// thread is the only writer, so the writes keep their order.  The windows
// learn of the new QSO when the host next asks: its GetResult0 refills the
// band lists, and its next CheckCall0 posts the refresh that shows them.
bool StatsPlugin::AddData(const QsoArgs& args) {
    Entry entry;
    std::string badQsoFile;
    {
        const SharedState::Locked s = m_shared.Lock();
        const int before = s->g_log.GetCount();
        try {
            entry = AddQso(*s, args);
        } catch (...) {
            // Out of memory half way: the log decides, so that the host's
            // view and ours stay the same.
            return s->g_log.GetCount() > before;
        }
        if (!entry.badLines.empty()) badQsoFile = s->g_badQsoFile;
    }
    try {
        BadQso::Append(badQsoFile, entry.badLines);
    } catch (...) {
        // The lines are lost, as on a full disk; the record is in the log.
    }
    return entry.entered;
}

void StatsPlugin::RemoveData(const QsoArgs& args) {
    std::string badQsoFile;
    {
        const SharedState::Locked s = m_shared.Lock();
        ResetMapsAfter(RemoveQso(*s, args), *s);
        s->g_refreshPending = 1;
        if (m_posts.SetupWindowRunning()) m_posts.PostRefresh();
        badQsoFile = s->g_badQsoFile;
    }
    DropBadLines(badQsoFile, args);
}

CallVerdict StatsPlugin::CheckCall(const CheckArgs& args) {
    const SharedState::Locked s = m_shared.Lock();
    // Ask the windows for one refresh; the refresh re-arms the flag when done.
    if (m_posts.SetupWindowRunning() && s->g_refreshPending != 0) {
        s->g_refreshPending = 0;
        m_posts.PostRefresh();
    }
    return JudgeCall(s->g_log, s->g_hostVersion, args);
}

bool StatsPlugin::IsValidExchg(const std::string& exchange, const std::string& call,
                               const std::string& country) {
    return JudgeExchange(exchange, call, country);
}

void StatsPlugin::SetVersion() { m_shared.Lock()->g_htmlResult = 1; }

// The map windows of the removed station's kinds go back to unworked; the
// next refresh marks what is still worked.  The call-area map also takes
// its band's map lists with it, when it is open.
void StatsPlugin::ResetMapsAfter(const Removal& removal, PluginState& state) {
    if (!removal.removed) return;
    if ((m_posts.ResetMaps(removal.stations) & kCallAreaStation) != 0)
        state.bandLists.EmptyMapRow(removal.row);
}
