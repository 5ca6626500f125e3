#include "results/score.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "contest/contest_rules.h"

void BandFigures::Add(const BandFigures& o) {
    qsos += o.qsos;
    points += o.points;
    entities += o.entities;
    provinces += o.provinces;
    ja += o.ja;
    w += o.w;
    ve += o.ve;
    vk += o.vk;
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
struct BandTally {
    BandFigures figures;
    std::unordered_map<std::string, int> countries;  // country -> points of a QSO with it
    std::unordered_set<std::string> provinces;
    std::bitset<10> areas[4];  // JA, K, VE, VK
    int row = -1;              // band row, -1 when the band has none
};

struct AreaColumn {
    const char* prefix;
    std::int32_t CInfo::*area;
    BandRowList BandRowLists::*list;
    int BandFigures::*count;
};

const AreaColumn kAreaColumns[4] = {
    {"JA", &CInfo::m_areaJA, &BandRowLists::g_bandAreasJA, &BandFigures::ja},
    {"K", &CInfo::m_areaK, &BandRowLists::g_bandAreasK, &BandFigures::w},
    {"VE", &CInfo::m_areaVE, &BandRowLists::g_bandAreasVE, &BandFigures::ve},
    {"VK", &CInfo::m_areaVK, &BandRowLists::g_bandAreasVK, &BandFigures::vk},
};

void Append(ContestData& data, BandRowList BandRowLists::*list, int row, const std::string& text) {
    if (row >= 0) (data.*list)[static_cast<size_t>(row)].push_back(text);
}

// The multipliers a counted QSO brings to its band: entity (when the band
// has not seen its country yet), first call area, province.
void CountMultipliers(ContestData& data, BandTally& t, const CInfo& qso, bool newCountry) {
    if (newCountry) {
        Append(data, &BandRowLists::g_bandMults, t.row, qso.m_country);
        ++t.figures.entities;
        ++t.figures.multipliers;
    }
    for (int i = 0; i < 4; ++i) {
        const AreaColumn& column = kAreaColumns[i];
        const std::int32_t area = qso.*column.area;
        if (area == -1) continue;
        if (area >= 0 && area <= 9 && !t.areas[i].test(static_cast<size_t>(area))) {
            t.areas[i].set(static_cast<size_t>(area));
            const std::string code = column.prefix + std::to_string(area);
            Append(data, &BandRowLists::g_bandMults, t.row, code);
            Append(data, column.list, t.row, code);
            ++(t.figures.*column.count);
            ++t.figures.multipliers;
        }
        break;
    }
    if (!qso.m_province.empty() && t.provinces.insert(qso.m_province).second) {
        Append(data, &BandRowLists::g_bandProvinces, t.row, qso.m_province);
        ++t.figures.provinces;
        ++t.figures.multipliers;
    }
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

// The tally of a band; a result has only a handful, so a scan beats hashing.
BandTally* FindTally(std::vector<BandTally>& tallies, const std::string& band) {
    for (BandTally& t : tallies) {
        if (t.figures.band == band) return &t;
    }
    return nullptr;
}

}  // namespace

ResultFigures ComputeResult(ContestData& data, const std::string& ownCountry, bool exportRun,
                            int badLines) {
    SortWorkedBands(data.g_workedBands);
    std::vector<BandTally> tallies(data.g_workedBands.size());
    for (size_t i = 0; i < tallies.size(); ++i) {
        tallies[i].figures.band = data.g_workedBands[i];
        tallies[i].row = BandRow(data.g_workedBands[i]);
        data.EmptyRow(tallies[i].row);
    }

    ResultFigures r;
    const CInfo* last = data.g_log.Last();
    // Every record on the last QSO's band falls into this tally.
    const BandTally* lastBand = last != nullptr ? FindTally(tallies, last->m_band) : nullptr;
    for (const auto& entry : data.g_log) {
        const CInfo& qso = entry.second;
        BandTally* t = FindTally(tallies, qso.m_band);
        if (t == nullptr || qso.m_call.empty()) continue;
        t->figures.dupes += qso.m_dupe;
        if (qso.m_notCounted) continue;
        const auto country = t->countries.try_emplace(qso.m_country, 0);
        if (country.second) country.first->second = QsoPoints(ownCountry, qso.m_country);
        const int points = country.first->second;
        ++t->figures.qsos;
        t->figures.points += points;
        if (t == lastBand) {
            r.lastQsoPoints = points;
            if (!exportRun) CountRate(r, last->m_time, qso, points);
        }
        CountMultipliers(data, *t, qso, country.second);
    }

    r.total.band = "Total";
    for (BandTally& t : tallies) {
        r.bands.push_back(t.figures);
        r.total.Add(t.figures);
    }
    // The product wraps like the 32-bit score it is stored in, without overflowing.
    const long long product = static_cast<long long>(r.total.points) * r.total.multipliers;
    r.score = static_cast<int>(static_cast<std::uint32_t>(product));
    const int rejected = badLines - r.total.dupes;
    r.rejected = (rejected > 0 ? rejected : 1) - 1;
    return r;
}
