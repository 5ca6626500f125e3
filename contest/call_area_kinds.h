// The four countries whose call areas are multipliers, one row each.  The
// rows' order is the log's area column and the result's column order; the
// call-area map places the countries in its own order, its groups.
#pragma once

#include <cstdint>

#include "contest/band_rows.h"
#include "contest/info.h"

struct CallAreaKind {
    const char* country;         // the country prefix, also the prefix of the area's code ("JA1")
    std::int32_t CInfo::*field;  // the record's area, -1 when it has none
    BandRowList BandRowLists::*bandRows;  // the areas worked on each band
    const char* resultHeading;            // the result's column heading
    int mapGroup;                         // its row of ten cells on the call-area map, from the top
};

constexpr int kCallAreaKinds = 4;

constexpr CallAreaKind kCallAreaKind[kCallAreaKinds] = {
    {"JA", &CInfo::m_areaJA, &BandRowLists::g_bandAreasJA, "JA", 2},
    {"K", &CInfo::m_areaK, &BandRowLists::g_bandAreasK, "W", 0},
    {"VE", &CInfo::m_areaVE, &BandRowLists::g_bandAreasVE, "VE", 1},
    {"VK", &CInfo::m_areaVK, &BandRowLists::g_bandAreasVK, "VK", 3},
};

// The kind of the map's group `group`.
constexpr const CallAreaKind& CallAreaKindOfMapGroup(int group) {
    for (const CallAreaKind& kind : kCallAreaKind) {
        if (kind.mapGroup == group) return kind;
    }
    return kCallAreaKind[0];
}
