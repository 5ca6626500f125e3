// The band-row lists, for the checks that must see every one.  They are
// named here once; the size check fails when a list is added without them.
#pragma once

#include <iterator>

#include "contest/band_rows.h"

namespace test_lists {

enum class Kind { kEntities, kProvinces, kCallAreas };

struct Slot {
    BandRowList BandRowLists::*list;
    Kind kind;
};

// In the order of their declaration.
inline constexpr Slot kEveryBandRowList[] = {
    {&BandRowLists::g_bandMults, Kind::kEntities},
    {&BandRowLists::g_bandAreasK, Kind::kCallAreas},
    {&BandRowLists::g_bandAreasVE, Kind::kCallAreas},
    {&BandRowLists::g_bandAreasJA, Kind::kCallAreas},
    {&BandRowLists::g_bandAreasVK, Kind::kCallAreas},
    {&BandRowLists::g_bandProvinces, Kind::kProvinces},
};
static_assert(sizeof(BandRowLists) == std::size(kEveryBandRowList) * sizeof(BandRowList),
              "a band-row list is missing from kEveryBandRowList");

// Every row of every list holds `text` alone.
inline void FillEveryRow(BandRowLists& lists, const char* text) {
    for (const Slot& slot : kEveryBandRowList) {
        for (auto& row : lists.*slot.list) row = {text};
    }
}

// The rows of all lists that hold anything.
inline int FilledRows(const BandRowLists& lists) {
    int filled = 0;
    for (const Slot& slot : kEveryBandRowList) {
        for (const auto& row : lists.*slot.list) filled += row.empty() ? 0 : 1;
    }
    return filled;
}

}  // namespace test_lists
