// The result of the contest so far, and the Cabrillo file of an export run.
#include <utility>

#include "contest/bad_qso_file.h"
#include "plugin/stats_plugin.h"
#include "results/result_text.h"
#include "results/score.h"

namespace {

std::string CabrilloMode(const std::string& mode) { return mode == "RTTY" ? "RY" : "??"; }

// Every record, flagged or not, in log order.
std::string ExportCabrillo(PluginState& s) {
    CCabrilloLog& cabrillo = s.g_cabrilloLog;
    cabrillo.ClearQsoLines();
    for (const CInfo& q : s.g_log) {
        cabrillo.AddQsoLine(q.m_call, q.m_freqKHz, CabrilloMode(q.m_mode), q.m_time, q.m_rstSent,
                            q.m_exchSent, q.m_rstReceived, q.m_exchReceived);
    }
    return cabrillo.WriteLog(s.g_score, s.g_hostVersion);
}

// The windows show each reported band's multipliers as this result counted
// them; the rows of bands no longer worked keep what they had.
void KeepBandLists(PluginState& s, ComputedResult& computed) {
    s.g_workedBands = std::move(computed.workedBands);
    for (int row : computed.rows) s.TakeRow(row, computed.lists);
}

}  // namespace

const char* StatsPlugin::GetResult() {
    SharedState::Locked locked = m_shared.Lock();
    PluginState& s = *locked;
    s.g_resultText.clear();
    ComputedResult computed =
        ComputeResult(s, s.g_ownCountry, s.g_exportMode != 0, BadQso::CountLines(s.g_badQsoFile));
    KeepBandLists(s, computed);
    const ResultFigures& figures = computed.figures;
    const ResultTitle title{s.g_periodStart, s.g_periodEnd, s.g_ownCall};
    s.g_resultText = s.g_htmlResult ? ResultHtml(title, figures) : ResultText(title, figures);
    s.g_score = figures.score;
    const std::string claimed = std::to_string(s.g_score);
    if (m_settings.ReadText("Claimed", "") != claimed) m_settings.WriteText("Claimed", claimed);

    if (s.g_exportMode != 0) {
        const std::string confirmation = ExportCabrillo(s);
        locked.Unlock();  // the message box is modal: keep the window thread free
        m_env.ShowOutput(confirmation);
    }
    return s.g_resultText.c_str();
}
