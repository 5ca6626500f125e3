#include "contest/band_rows.h"

#include <utility>

void BandRowLists::EmptyRow(int row) {
    if (row < 0 || row >= kBandRows) return;
    for (BandRowList* list : {&g_bandMults, &g_bandAreasK, &g_bandAreasVE, &g_bandAreasJA,
                              &g_bandAreasVK, &g_bandProvinces}) {
        (*list)[static_cast<size_t>(row)].clear();
    }
}

void BandRowLists::EmptyAll() {
    for (int row = 0; row < kBandRows; ++row) EmptyRow(row);
}

void BandRowLists::EmptyMapRow(int row) {
    if (row < 0 || row >= kBandRows) return;
    for (BandRowList* list :
         {&g_bandProvinces, &g_bandAreasJA, &g_bandAreasK, &g_bandAreasVE, &g_bandAreasVK}) {
        (*list)[static_cast<size_t>(row)].clear();
    }
}

void BandRowLists::TakeRow(int row, BandRowLists& from) {
    if (row < 0 || row >= kBandRows) return;
    const auto r = static_cast<size_t>(row);
    for (BandRowList BandRowLists::*list :
         {&BandRowLists::g_bandMults, &BandRowLists::g_bandAreasK, &BandRowLists::g_bandAreasVE,
          &BandRowLists::g_bandAreasJA, &BandRowLists::g_bandAreasVK,
          &BandRowLists::g_bandProvinces}) {
        (this->*list)[r] = std::move((from.*list)[r]);
    }
}
