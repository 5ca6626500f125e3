#include "contest/band_rows.h"

#include <utility>

#include "contest/call_area_kinds.h"

namespace {

// The lists the map windows mark: provinces and every call-area kind's.
template <typename Visit>
void ForEachMapList(Visit visit) {
    visit(&BandRowLists::g_bandProvinces);
    for (const CallAreaKind& kind : kCallAreaKind) visit(kind.bandRows);
}

}  // namespace

void BandRowLists::EmptyRow(int row) {
    if (row < 0 || row >= kBandRows) return;
    g_bandMults[static_cast<size_t>(row)].clear();
    EmptyMapRow(row);
}

void BandRowLists::EmptyAll() {
    for (int row = 0; row < kBandRows; ++row) EmptyRow(row);
}

void BandRowLists::EmptyMapRow(int row) {
    if (row < 0 || row >= kBandRows) return;
    ForEachMapList(
        [&](BandRowList BandRowLists::*list) { (this->*list)[static_cast<size_t>(row)].clear(); });
}

void BandRowLists::TakeRow(int row, BandRowLists& from) {
    if (row < 0 || row >= kBandRows) return;
    const auto r = static_cast<size_t>(row);
    g_bandMults[r] = std::move(from.g_bandMults[r]);
    ForEachMapList(
        [&](BandRowList BandRowLists::*list) { (this->*list)[r] = std::move((from.*list)[r]); });
}
