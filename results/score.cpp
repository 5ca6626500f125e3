#include "results/score.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"

void BandFigures::Add(const BandFigures& o) {
    qsos += o.qsos;
    points += o.points;
    entities += o.entities;
    provinces += o.provinces;
    for (size_t i = 0; i < areas.size(); ++i) areas[i] += o.areas[i];
    multipliers += o.multipliers;
    dupes += o.dupes;
}

void SortWorkedBands(std::vector<std::string>& bands) {
    auto key = [](const std::string& band) {
        return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
    };
    for (size_t i = 0; i + 1 < bands.size(); ++i) {
        for (size_t j = i + 1; j < bands.size(); ++j) {
            if (key(bands[i]) < key(bands[j])) std::swap(bands[i], bands[j]);
        }
    }
}

int QsoPoints(const std::string& ownCountry, const std::string& workedCountry) {
    if (!IsSpanishCountry(workedCountry)) return 1;
    return IsSpanishCountry(ownCountry) ? 2 : 3;
}

namespace {

// What one band has seen so far, and where its multipliers are listed.
// Countries and provinces go by their codes in the log.
struct BandTally {
    BandFigures figures;
    std::vector<int> countryPoints;  // points of a QSO with the country; 0 = not seen yet
    std::vector<bool> provinces;
    std::bitset<10> areas[kCallAreaKinds];
    int row = kNoBandRow;
};

void Append(BandRowLists& lists, BandRowList BandRowLists::*list, int row,
            const std::string& text) {
    if (row != kNoBandRow) (lists.*list)[static_cast<size_t>(row)].push_back(text);
}

// The multipliers a counted QSO brings to its band: entity (when the band
// has not seen its country yet), first call area, province.
void CountMultipliers(const LogStore& log, BandRowLists& lists, BandTally& t,
                      const LogStore::Keys& qso, bool newCountry) {
    if (newCountry) {
        Append(lists, &BandRowLists::g_bandMults, t.row, log.Countries().Text(qso.country));
        ++t.figures.entities;
        ++t.figures.multipliers;
    }
    if (qso.areaColumn < kCallAreaKinds && qso.area >= 0 && qso.area <= 9) {
        const auto i = static_cast<size_t>(qso.areaColumn);
        const auto area = static_cast<size_t>(qso.area);
        if (!t.areas[i].test(area)) {
            t.areas[i].set(area);
            const std::string code = kCallAreaKind[i].country + std::to_string(area);
            Append(lists, &BandRowLists::g_bandMults, t.row, code);
            Append(lists, kCallAreaKind[i].bandRows, t.row, code);
            ++t.figures.areas[i];
            ++t.figures.multipliers;
        }
    }
    if (qso.hasProvince && !t.provinces[qso.province]) {
        t.provinces[qso.province] = true;
        Append(lists, &BandRowLists::g_bandProvinces, t.row, log.Provinces().Text(qso.province));
        ++t.figures.provinces;
        ++t.figures.multipliers;
    }
}

// The tally of a band; a result has only a handful, so a scan beats hashing.
BandTally* FindTally(std::vector<BandTally>& tallies, const std::string& band) {
    for (BandTally& t : tallies) {
        if (t.figures.band == band) return &t;
    }
    return nullptr;
}

// The tallies of the worked bands, in result order.
std::vector<BandTally> StartTallies(const LogStore& log, const std::vector<std::string>& bands) {
    std::vector<BandTally> tallies(bands.size());
    for (size_t i = 0; i < tallies.size(); ++i) {
        tallies[i].figures.band = bands[i];
        tallies[i].row = BandRow(bands[i]);
        tallies[i].countryPoints.assign(log.Countries().size(), 0);
        tallies[i].provinces.assign(log.Provinces().size(), false);
    }
    return tallies;
}

// The tally of each band code of the log; null for a band not worked.
std::vector<BandTally*> TallyByBandCode(const LogStore& log, std::vector<BandTally>& tallies) {
    std::vector<BandTally*> byCode(log.Bands().size());
    for (size_t code = 0; code < byCode.size(); ++code) {
        byCode[code] = FindTally(tallies, log.Bands().Text(static_cast<LogStore::Code>(code)));
    }
    return byCode;
}

// Whole minutes from `time` to `reference`, rounded to the second; NaN when
// either time is not a valid one.
double MinutesBefore(const COleDateTime& reference, const COleDateTime& time) {
    if (reference.GetStatus() != COleDateTime::valid || time.GetStatus() != COleDateTime::valid) {
        return NAN;
    }
    double days = reference.Linear() - time.Linear();
    days += days >= 0 ? 0.5 / 86400 : -0.5 / 86400;
    return std::trunc(days * 1440);
}

// The bands' rows, totals, score and rejected count once every QSO is in.
void AddUp(ComputedResult& computed, const std::vector<BandTally>& tallies, int badLines) {
    ResultFigures& r = computed.figures;
    r.total.band = "Total";
    for (const BandTally& t : tallies) {
        if (t.row != kNoBandRow) computed.rows.push_back(t.row);
        r.bands.push_back(t.figures);
        r.total.Add(t.figures);
    }
    // The product wraps like the 32-bit score it is stored in, without overflowing.
    const long long product = static_cast<long long>(r.total.points) * r.total.multipliers;
    r.score = static_cast<int>(static_cast<std::uint32_t>(product));
    const int rejected = badLines - r.total.dupes;
    r.rejected = (rejected > 0 ? rejected : 1) - 1;
}

}  // namespace

void CountRate(ResultFigures& r, const COleDateTime& reference, const CInfo& qso, int points) {
    const double minutes = MinutesBefore(reference, qso.m_time);
    if (minutes < 60) {
        ++r.hourQsos;
        r.hourPoints += points;
    }
    if (minutes < 10) {
        ++r.tenMinuteQsos;
        r.tenMinutePoints += points;
    }
}

ComputedResult ComputeResult(const ContestData& data, const std::string& ownCountry, bool exportRun,
                             int badLines) {
    ComputedResult computed;
    computed.workedBands = data.g_workedBands;
    SortWorkedBands(computed.workedBands);
    const LogStore& log = data.g_log;
    std::vector<BandTally> tallies = StartTallies(log, computed.workedBands);
    const std::vector<BandTally*> tallyOf = TallyByBandCode(log, tallies);

    ResultFigures& r = computed.figures;
    const CInfo* last = log.Last();
    // Every record on the last QSO's band falls into this tally.
    const BandTally* lastBand = last != nullptr ? FindTally(tallies, last->m_band) : nullptr;
    for (size_t pos = 0; pos < log.SlotCount(); ++pos) {
        const LogStore::Keys& qso = log.KeysAt(pos);
        if (!qso.live) continue;
        BandTally* t = tallyOf[qso.band];
        if (t == nullptr || !qso.hasCall) continue;
        t->figures.dupes += qso.dupe;
        if (!qso.counted) continue;
        int& known = t->countryPoints[qso.country];
        const bool newCountry = known == 0;
        if (newCountry) known = QsoPoints(ownCountry, log.Countries().Text(qso.country));
        const int points = known;
        ++t->figures.qsos;
        t->figures.points += points;
        if (t == lastBand) {
            r.lastQsoPoints = points;
            if (!exportRun) CountRate(r, last->m_time, log.RecordAt(pos), points);
        }
        CountMultipliers(log, computed.lists, *t, qso, newCountry);
    }

    AddUp(computed, tallies, badLines);
    return computed;
}
