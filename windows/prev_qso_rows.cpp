#include "windows/prev_qso_rows.h"

#include "contest/contest_rules.h"

namespace {

constexpr std::size_t kRowCells = 5;
const char* const kEmptyCell = "   -";

void ClearRow(std::vector<std::string>& row) {
    if (row.size() < kRowCells) row.resize(kRowCells);  // no reset yet: the label stays empty
    for (std::size_t cell = 1; cell < kRowCells; ++cell) row[cell] = kEmptyCell;
}

void ShowQso(std::vector<std::string>& row, const CInfo& qso) {
    row[1] = qso.m_mode;
    row[2] = qso.m_time.Format("%H:%M");
    row[3] = IsSpanishCountry(qso.m_country) ? qso.m_province : qso.m_exchReceived;
}

}  // namespace

void FillRows(PrevQsoRowSet& rows, const LogStore& log, const std::string& call) {
    for (std::size_t row = 0; row < kWindowBands; ++row) {
        std::vector<std::string>& cells = rows[row];
        ClearRow(cells);
        if (call.empty()) continue;
        const CInfo* newest = log.NewestOnBand(call, kBands[row].text);
        if (newest != nullptr) ShowQso(cells, *newest);
    }
}
