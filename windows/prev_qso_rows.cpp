#include "windows/prev_qso_rows.h"

#include "contest/contest_rules.h"

namespace {

const char* const kEmptyCell = "   -";

void ShowQso(PrevQsoRow& row, const CInfo* qso) {
    if (qso == nullptr) {
        row.mode = row.time = row.exchange = kEmptyCell;
        return;
    }
    row.mode = qso->m_mode;
    row.time = qso->m_time.Format("%H:%M");
    row.exchange = IsSpanishCountry(qso->m_country) ? qso->m_province : qso->m_exchReceived;
}

}  // namespace

void StartRows(PrevQsoRowSet& rows) {
    for (std::size_t row = 0; row < kWindowBands; ++row)
        rows[row] = {kBands[row].text, "-", "-", "-"};
}

void FillRows(PrevQsoRowSet& rows, const LogStore& log, const std::string& call) {
    for (std::size_t row = 0; row < kWindowBands; ++row) {
        const CInfo* newest = call.empty() ? nullptr : log.NewestOnBand(call, kBands[row].text);
        ShowQso(rows[row], newest);
    }
}
