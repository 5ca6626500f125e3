// The countries whose call areas are multipliers, one row each.  The
// rows' order is the log's area column and the result's column order; the
// call-area map places the countries in its own order, its groups.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>

#include "contest/band_rows.h"
#include "contest/info.h"

struct CallAreaKind {
    const char* country;         // the country prefix, also the prefix of the area's code ("JA1")
    std::int32_t CInfo::*field;  // the record's area, -1 when it has none
    BandRowList BandRowLists::*bandRows;  // the areas worked on each band
    const char* resultHeading;            // the result's column heading
    // Its block of ten cells' control ids on the call-area map (the first
    // id plus ten times the group).  Not its place on screen: the template
    // stacks the blocks in an order of its own.
    int mapGroup;
    const char* mapLabel;  // the label above its cells in the template
};

inline constexpr CallAreaKind kCallAreaKind[] = {
    {"JA", &CInfo::m_areaJA, &BandRowLists::g_bandAreasJA, "JA", 2, "JA"},
    {"K", &CInfo::m_areaK, &BandRowLists::g_bandAreasK, "W", 0, "USA"},
    {"VE", &CInfo::m_areaVE, &BandRowLists::g_bandAreasVE, "VE", 1, "VE"},
    {"VK", &CInfo::m_areaVK, &BandRowLists::g_bandAreasVK, "VK", 3, "VK"},
};
constexpr int kCallAreaKinds = static_cast<int>(std::size(kCallAreaKind));

// The row of kCallAreaKind that each map group shows; -1 where no row names
// the group.  (Indexes, not pointers: GCC's sanitizers make a compared
// pointer no constant.)
constexpr std::array<int, kCallAreaKinds> RowsByMapGroup() {
    std::array<int, kCallAreaKinds> rows{};
    for (int& row : rows) row = -1;
    for (int row = 0; row < kCallAreaKinds; ++row) {
        const int group = kCallAreaKind[row].mapGroup;
        if (group >= 0 && group < kCallAreaKinds) rows[static_cast<size_t>(group)] = row;
    }
    return rows;
}

// Whether the groups are 0 .. n-1, each named by exactly one row.
constexpr bool MapGroupsAreEachOnce() {
    for (int row : RowsByMapGroup()) {
        if (row < 0) return false;
    }
    return true;
}
static_assert(MapGroupsAreEachOnce(), "the map groups must be 0 .. kCallAreaKinds - 1, each once");

// The kind of the map's group `group`, 0 .. kCallAreaKinds - 1.
inline const CallAreaKind& CallAreaKindOfMapGroup(int group) {
    static constexpr std::array<int, kCallAreaKinds> kRows = RowsByMapGroup();
    return kCallAreaKind[kRows.at(static_cast<size_t>(group))];
}
