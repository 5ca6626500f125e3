// Adding and removing QSOs the plain way, for comparison with the indexed log.
#include <algorithm>

#include "contest/bad_qso_file.h"
#include "contest/contest_rules.h"
#include "contest/text_util.h"
#include "tests/support/reference_scan.h"

namespace reference {

namespace {

int Refuse(const Store& store, const QsoArgs& q, const char* message) {
    BadQso::Append(store.badQsoFile, {BadQso::LineWithMode(FieldsOf(q), message)});
    return 0;
}

}  // namespace

int AddQso(Store& store, const QsoArgs& q) {
    if (!ValidBands().Contains(q.band)) return Refuse(store, q, BadQso::kWrongBand);
    auto& bands = store.workedBands;
    if (std::find(bands.begin(), bands.end(), q.band) == bands.end()) bands.push_back(q.band);
    if (!ValidModes().Contains(q.mode)) return Refuse(store, q, BadQso::kWrongMode);
    if (q.exchReceived.empty() || q.exchSent.empty()) {
        return Refuse(store, q, BadQso::kNoRxNumber);
    }
    CInfo info = RecordOf(q);
    std::vector<std::string> lines;
    if (IsSpanishCountry(q.country)) {
        const std::string sent = Trim(ToUpper(q.exchReceived));
        const bool ok = q.call == "EA4URE" ? sent == "HQ" : IsProvinceCode(sent);
        if (ok) {
            info.m_province = sent;
        } else {
            info.m_bad = info.m_notCounted = 1;
            lines.push_back(BadQso::LineWithRtty(
                FieldsOf(q), q.call == "EA4URE" ? BadQso::kOnlyHq : BadQso::kNoProvince));
        }
    } else {
        SetCallArea(info, q.country, q.callPrefix);
    }
    const int earlier = CountSame(store.log, q.call, q.band, q.mode);
    if (earlier > 0) info.m_dupe = info.m_notCounted = 1;
    store.log.push_back(info);
    // Then one line per earlier record of the same call, band and mode, all
    // alike, written with the rest in one append.
    if (earlier > 0)
        lines.insert(lines.end(), static_cast<size_t>(earlier),
                     BadQso::LineWithMode(FieldsOf(q), BadQso::kDupe));
    BadQso::Append(store.badQsoFile, lines);
    return 1;
}

void RemoveQso(Store& store, const QsoArgs& q) {
    const int found = FindQso(store.log, q);
    if (found >= 0) store.log.erase(store.log.begin() + found);
    const std::string marker = " " + q.time.Format("%H%M") + " ";
    if (store.log.empty()) store.workedBands.clear();
    std::vector<std::string> lines, kept;
    if (BadQso::ReadLines(store.badQsoFile, lines)) {
        // Duplicate lines come in runs of alike lines: each run is judged once.
        bool reports = false;
        for (size_t i = 1; i < lines.size(); ++i) {
            if (i == 1 || lines[i] != lines[i - 1])
                reports = BadQso::ReportsQso(lines[i], q.call, marker);
            if (!reports) kept.push_back(lines[i]);
        }
    } else if (BadQso::Exists(store.badQsoFile)) {
        return;  // there but unreadable: its lines stay
    }
    BadQso::Rewrite(store.badQsoFile, BadQso::kRewrittenHeader, kept);
}

}  // namespace reference
