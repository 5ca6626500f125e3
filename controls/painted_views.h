// What the owner-drawn painters draw, copied by the information refresh
// from the shared state under the lock so that painting never reads data
// the host thread may be changing.  Portable, with no Windows header: the
// refresh builds these natively, and tests build them.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "contest/contest_rules.h"

// The windows' band indexes are the band rows of the contest tables; -1
// while no band is known.
constexpr int kWindowBands = kBandRows;

// The previous-QSO table paints the band rows from this one on: the first
// row would fall on the line of the column titles.
constexpr int kFirstPaintedRow = 1;

// Whether each band that counts in the contest has its painted line.
constexpr bool EachContestBandIsPainted() {
    for (int row = 0; row < kWindowBands; ++row) {
        if (kBands[row].contest && row < kFirstPaintedRow) return false;
    }
    return true;
}
static_assert(EachContestBandIsPainted(), "a contest band's previous-QSO row must be painted");

// One line of the previous-QSO table: a band and the newest QSO on it with
// the typed call.
struct PrevQsoRow {
    std::string band;  // the band's label; empty until a reset names it
    std::string mode;
    std::string time;      // hh:mm
    std::string exchange;  // the province of a Spanish station, else the number
};

// The table's columns, left to right: each field of a row once, with its
// title above it.
struct PrevQsoColumn {
    std::string PrevQsoRow::*field;
    int x;
    const char* title;
    int titleX;
};
inline constexpr PrevQsoColumn kPrevQsoColumns[] = {
    {&PrevQsoRow::band, 20, "Band", 20},
    {&PrevQsoRow::mode, 100, "Mode", 100},
    {&PrevQsoRow::time, 180, "Time", 178},
    {&PrevQsoRow::exchange, 260, "Prov/NR", 245},
};
static_assert(std::size(kPrevQsoColumns) * sizeof(std::string) == sizeof(PrevQsoRow),
              "kPrevQsoColumns: one column for each field of a previous-QSO row");

// The previous-QSO table: the typed call, the band the radio is on and one
// row per band index.
struct TableView {
    int currentBand = -1;
    std::string call;  // as typed; the table shows "Call" when empty
    std::array<PrevQsoRow, kWindowBands> rows;
};

// The multiplier list: the worked entities and call areas of the current
// band, in ascending byte-wise order.
struct MultiplierView {
    int currentBand = -1;
    std::vector<std::string> entries;
};

// Equal views paint the same pixels: a control compares them to skip a
// repaint that would change nothing.
inline bool operator==(const PrevQsoRow& a, const PrevQsoRow& b) {
    for (const PrevQsoColumn& column : kPrevQsoColumns) {
        if (a.*column.field != b.*column.field) return false;
    }
    return true;
}
inline bool operator==(const TableView& a, const TableView& b) {
    return a.currentBand == b.currentBand && a.call == b.call && a.rows == b.rows;
}
inline bool operator==(const MultiplierView& a, const MultiplierView& b) {
    return a.currentBand == b.currentBand && a.entries == b.entries;
}
