#include "contest/band_rows.h"

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
