// The result of the contest so far, and the Cabrillo file of an export run.
#include <optional>
#include <utility>

#include "contest/bad_qso_file.h"
#include "plugin/stats_plugin.h"
#include "results/header_settings.h"
#include "results/result_html.h"
#include "results/result_text.h"
#include "results/score.h"

namespace {

std::string CabrilloMode(const std::string& mode) { return mode == "RTTY" ? "RY" : "??"; }

// Every record, flagged or not, in log order.
CabrilloFile ExportCabrillo(PluginState& s) {
    CCabrilloLog& cabrillo = s.g_cabrilloLog;
    cabrillo.ClearQsoLines();
    for (const CInfo& q : s.g_log) {
        cabrillo.AddQsoLine(q.m_call, q.m_freqKHz, CabrilloMode(q.m_mode), q.m_time, q.m_rstSent,
                            q.m_exchSent, q.m_rstReceived, q.m_exchReceived);
    }
    return cabrillo.MakeFile(s.g_score, s.g_hostVersion);
}

// The windows show each reported band's multipliers as this result counted
// them; the rows of bands no longer worked keep what they had.
void KeepBandLists(PluginState& s, ComputedResult& computed) {
    s.g_workedBands = std::move(computed.workedBands);
    for (int row : computed.rows) s.bandLists.TakeRow(row, computed.lists);
}

// What the result leaves for the work outside the lock.
struct ResultMade {
    const char* text;
    std::string claimed;
    std::optional<CabrilloFile> cabrillo;
};

// Makes the result text and, in an export run, the Cabrillo file's text.
// The result text stays in the state: the host reads it after the export
// returns, and only this thread ever writes it.
ResultMade MakeResult(PluginState& s, int badLines) {
    s.g_resultText.clear();
    ComputedResult computed = ComputeResult(s, s.g_ownCountry, s.g_exportMode != 0, badLines);
    KeepBandLists(s, computed);
    const ResultFigures& figures = computed.figures;
    const ResultTitle title{s.g_periodStart, s.g_periodEnd, s.g_ownCall};
    s.g_resultText = s.g_htmlResult ? ResultHtml(title, figures) : ResultText(title, figures);
    s.g_score = figures.score;
    ResultMade made{s.g_resultText.c_str(), std::to_string(s.g_score), std::nullopt};
    if (s.g_exportMode != 0) made.cabrillo = ExportCabrillo(s);
    return made;
}

}  // namespace

// The files are read and written without the lock, the Output box shown
// without it: the window thread needs the lock to paint, and neither a slow
// disk nor the operator must hold it up.
const char* StatsPlugin::GetResult() {
    const std::string badQsoFile = m_shared.Lock()->g_badQsoFile;
    const int badLines = BadQso::CountLines(badQsoFile);
    const ResultMade made = MakeResult(*m_shared.Lock(), badLines);
    KeepClaimedScore(m_settings, made.claimed);
    if (made.cabrillo) m_blocking.ShowOutput(WriteCabrilloFile(*made.cabrillo));
    return made.text;
}
