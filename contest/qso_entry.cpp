#include "contest/qso_entry.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "contest/bad_qso_file.h"
#include "contest/contest_rules.h"
#include "contest/text_util.h"

CInfo RecordOf(const QsoArgs& qso) {
    CInfo info;
    info.m_time = qso.time;
    info.m_freqKHz = static_cast<std::int32_t>(qso.freqHz / 1000);
    info.m_call = qso.call;
    info.m_band = qso.band;
    info.m_mode = qso.mode;
    info.m_rstReceived = qso.rstReceived;
    info.m_rstSent = qso.rstSent;
    info.m_exchReceived = qso.exchReceived;
    info.m_exchSent = qso.exchSent;
    info.m_country = qso.country;
    return info;
}

namespace {

void MarkBad(CInfo& info) { info.m_bad = info.m_notCounted = 1; }

// A Spanish station must send its province; the HQ station only "HQ".
void ApplyProvinceRule(CInfo& info, const QsoArgs& qso, std::vector<std::string>& lines) {
    const std::string sent = Trim(ToUpper(info.m_exchReceived));
    if (info.m_call == kHqCall) {
        if (sent == kHqExchange) {
            info.m_province = sent;
        } else {
            MarkBad(info);
            lines.push_back(BadQso::LineWithRtty(qso, BadQso::kOnlyHq));
        }
    } else if (IsProvinceCode(sent)) {
        info.m_province = sent;
    } else {
        MarkBad(info);
        lines.push_back(BadQso::LineWithRtty(qso, BadQso::kNoProvince));
    }
}

Entry Refuse(const QsoArgs& qso, const char* message) {
    return Entry{false, {BadQso::LineWithMode(qso, message)}};
}

}  // namespace

// The texts of the bad-QSO lines are made only for a QSO that gets a line:
// most QSOs get none.
Entry JudgeQso(std::vector<std::string>& workedBands, const QsoArgs& qso, int earlierCopies,
               CInfo& info) {
    if (!IsContestBand(qso.band)) return Refuse(qso, BadQso::kWrongBand);
    std::vector<std::string>& bands = workedBands;  // in order of first appearance
    if (std::find(bands.begin(), bands.end(), qso.band) == bands.end()) bands.push_back(qso.band);
    if (!ValidModes().Contains(qso.mode)) return Refuse(qso, BadQso::kWrongMode);
    if (qso.exchReceived.empty() || qso.exchSent.empty()) {
        return Refuse(qso, BadQso::kNoRxNumber);
    }

    info = RecordOf(qso);
    Entry entry{true, {}};
    std::vector<std::string>& lines = entry.badLines;
    if (IsSpanishCountry(qso.country)) {
        ApplyProvinceRule(info, qso, lines);
    } else {
        SetCallArea(info, qso.country, qso.callPrefix);
    }
    if (earlierCopies > 0) {
        info.m_dupe = info.m_notCounted = 1;
        lines.insert(lines.end(), static_cast<size_t>(earlierCopies),
                     BadQso::LineWithMode(qso, BadQso::kDupe));
    }
    return entry;
}

Entry AddQso(ContestData& data, const QsoArgs& qso) {
    CInfo info;
    // The record keeps the QSO's texts as they are, so its copies are counted
    // by those.
    const int earlier = data.g_log.CountSame(qso.call, qso.band, qso.mode);
    Entry entry = JudgeQso(data.g_workedBands, qso, earlier, info);
    if (entry.entered) data.g_log.Add(std::move(info));
    return entry;
}

Removal RemoveQso(ContestData& data, const QsoArgs& qso) {
    Removal removal;
    if (const LogStore::Id* id = data.g_log.FindQso(qso.call, qso.band, qso.mode, qso.time)) {
        const LogStore::Id found = *id;
        removal.removed = true;
        removal.row = BandRow(qso.band);
        removal.stations = StationKindsOf(qso.country);
        data.g_log.RemoveAt(found);
    }
    if (data.g_log.IsEmpty()) {
        data.g_workedBands.clear();
        data.bandLists.EmptyAll();
    }
    return removal;
}

void DropBadLines(const std::string& badQsoFile, const QsoArgs& qso) {
    BadQso::DropReports(badQsoFile, qso.call, " " + qso.time.Format("%H%M") + " ");
}
