// The result figures found the plain way: one scan of the whole log per
// worked band, with short lists searched from the start.
#include <algorithm>
#include <cstdint>

#include "contest/contest_rules.h"
#include "results/score.h"
#include "tests/support/band_row_lists.h"
#include "tests/support/own_rules.h"
#include "tests/support/reference_scan.h"

namespace reference {

namespace {

bool AddNew(std::vector<std::string>& list, const std::string& text) {
    if (std::find(list.begin(), list.end(), text) != list.end()) return false;
    list.push_back(text);
    return true;
}

constexpr const char* kWho = "reference result";

bool IsSpanish(const std::string& country) { return own_rules::SpanishCountry(kWho, country); }

int Points(const std::string& ownCountry, const std::string& country) {
    if (!IsSpanish(country)) return 1;
    return IsSpanish(ownCountry) ? 2 : 3;
}

struct BandScan {
    BandFigures f;
    std::vector<std::string> countries, ja, k, ve, vk, provinces;
    BandRowLists* lists = nullptr;  // null: the band has no row
    size_t row = 0;
};

void Push(BandScan& s, BandRowList BandRowLists::*list, const std::string& text) {
    if (s.lists != nullptr) (s.lists->*list)[s.row].push_back(text);
}

void CountArea(BandScan& s, const CInfo& q) {
    struct Column {
        std::int32_t area;
        const char* prefix;
        std::vector<std::string>& seen;
        BandRowList BandRowLists::*list;
        int& count;
    };
    // The result's columns: JA, W, VE, VK.
    const Column columns[] = {{q.m_areaJA, "JA", s.ja, &BandRowLists::g_bandAreasJA, s.f.areas[0]},
                              {q.m_areaK, "K", s.k, &BandRowLists::g_bandAreasK, s.f.areas[1]},
                              {q.m_areaVE, "VE", s.ve, &BandRowLists::g_bandAreasVE, s.f.areas[2]},
                              {q.m_areaVK, "VK", s.vk, &BandRowLists::g_bandAreasVK, s.f.areas[3]}};
    bool known = false;
    for (const Column& c : columns) known = known || q.m_country == c.prefix;
    own_rules::Agreed(kWho, "call-area country", q.m_country, known,
                      IsCallAreaCountry(q.m_country));
    for (const Column& c : columns) {
        if (c.area == -1) continue;
        const std::string digit = std::to_string(c.area);
        if (AddNew(c.seen, digit)) {
            Push(s, &BandRowLists::g_bandMults, c.prefix + digit);
            Push(s, c.list, c.prefix + digit);
            ++c.count;
            ++s.f.multipliers;
        }
        return;
    }
}

void CountMultipliers(BandScan& s, const CInfo& q) {
    if (AddNew(s.countries, q.m_country)) {
        Push(s, &BandRowLists::g_bandMults, q.m_country);
        ++s.f.entities;
        ++s.f.multipliers;
    }
    CountArea(s, q);
    if (!q.m_province.empty() && AddNew(s.provinces, q.m_province)) {
        Push(s, &BandRowLists::g_bandProvinces, q.m_province);
        ++s.f.provinces;
        ++s.f.multipliers;
    }
}

BandScan StartBand(const std::string& band, BandRowLists& lists) {
    BandScan s;
    s.f.band = band;
    const int row = BandRow(band);
    if (row == kNoBandRow) return s;
    s.lists = &lists;
    s.row = static_cast<size_t>(row);
    for (const test_lists::Slot& slot : test_lists::kEveryBandRowList)
        (lists.*slot.list)[s.row].clear();
    return s;
}

}  // namespace

ResultFigures Result(const Log& log, std::vector<std::string> workedBands,
                     const std::string& ownCountry, bool exportRun, int badLines,
                     BandRowLists& lists) {
    SortWorkedBands(workedBands);
    ResultFigures r;
    r.total.band = "Total";
    for (const std::string& band : workedBands) {
        BandScan s = StartBand(band, lists);
        for (const CInfo& q : log) {
            if (q.m_band != band || q.m_call.empty()) continue;
            s.f.dupes += q.m_dupe;
            if (q.m_notCounted) continue;
            const int points = Points(ownCountry, q.m_country);
            ++s.f.qsos;
            s.f.points += points;
            if (q.m_band == log.back().m_band) {
                r.lastQsoPoints = points;
                if (!exportRun) CountRate(r, log.back().m_time, q, points);
            }
            CountMultipliers(s, q);
        }
        r.bands.push_back(s.f);
        r.total.Add(s.f);
    }
    const std::int64_t product = static_cast<std::int64_t>(r.total.points) * r.total.multipliers;
    r.score = static_cast<int>(static_cast<std::uint32_t>(product));
    const int rejected = badLines - r.total.dupes;
    r.rejected = (rejected > 0 ? rejected : 1) - 1;
    return r;
}

}  // namespace reference
