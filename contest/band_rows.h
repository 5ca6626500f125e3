// Per-band lists of worked multipliers, one row per band row of kBands.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "contest/contest_rules.h"

using BandRowList = std::array<std::vector<std::string>, kBandRows>;

struct BandRowLists {
    BandRowList g_bandMults;
    BandRowList g_bandAreasK;
    BandRowList g_bandAreasVE;
    BandRowList g_bandAreasJA;
    BandRowList g_bandAreasVK;
    BandRowList g_bandProvinces;

    void EmptyRow(int row);
    void EmptyAll();
    // The lists the map windows mark (provinces and call areas; not the
    // entities) of one row.
    void EmptyMapRow(int row);
    // Every list's row `row` moved in from `from`.
    void TakeRow(int row, BandRowLists& from);
};
