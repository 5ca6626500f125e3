// A plain reference for the contest log: records in a vector, every query a
// scan from the first record, every result figure found by scanning the log
// once per band.  Benchmarks measure the indexed log against it; the
// differential tests and the fuzzer check the indexed log's answers with it.
#pragma once

#include <string>
#include <vector>

#include "contest/band_rows.h"
#include "contest/call_checks.h"
#include "contest/contest_rules.h"
#include "contest/info.h"
#include "contest/qso_entry.h"
#include "results/score.h"
#include "windows/shared_view.h"

namespace reference {

using Log = std::vector<CInfo>;

// The verdict on a call, scanning the log as the checks are described.
CallVerdict JudgeCall(const Log& log, const std::string& hostVersion, const CheckArgs& args);

// Earlier records with the same call, band and mode.
int CountSame(const Log& log, const std::string& call, const std::string& band,
              const std::string& mode);

// Position of the first record of this QSO (call, band, mode and time), or -1.
// Times match with the same status and then equal values; two invalid times
// whose values are both NaN match too.
int FindQso(const Log& log, const QsoArgs& qso);

// The previous-QSO rows for `call` (labels kept): mode, time and exchange
// become "   -", then, unless the call is empty, every record in store
// order whose call and band label (of the band rows) match exactly
// overwrites its row with mode, time and province or exchange.
// `log`: any range of records in store order (a Log, or a LogStore).
template <typename Records>
void FillPrevQsoRows(const Records& log, const std::string& call, PrevQsoRowSet& rows) {
    for (PrevQsoRow& row : rows) row.mode = row.time = row.exchange = "   -";
    if (call.empty()) return;
    for (const CInfo& q : log) {
        for (size_t r = 0; r < rows.size(); ++r) {
            if (q.m_call != call || q.m_band != kBands[r].text) continue;
            rows[r] = {rows[r].band, q.m_mode, q.m_time.Format("%H:%M"),
                       IsSpanishCountry(q.m_country) ? q.m_province : q.m_exchReceived};
        }
    }
}

// The figures of a result, one scan of the log per worked band; the
// band-row lists of the reported bands are refilled in `lists`.
ResultFigures Result(const Log& log, std::vector<std::string> workedBands,
                     const std::string& ownCountry, bool exportRun, int badLines,
                     BandRowLists& lists);

}  // namespace reference

namespace reference {

// Taking a QSO in and out with the log a vector scanned from the start:
// the plug-in's own checks, flags and bad-QSO lines (JudgeQso, DropBadLines)
// over the plain log, so that only the log's index differs.
struct Store {
    Log log;
    std::vector<std::string> workedBands;
    std::string badQsoFile;
};

int AddQso(Store& store, const QsoArgs& qso);
void RemoveQso(Store& store, const QsoArgs& qso);

}  // namespace reference
