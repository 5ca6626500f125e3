// What the text and the HTML result share: the title, the columns and the
// credit line.  Both write their heading row and every band's row from the
// one table of columns below.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <utility>

#include "contest/call_area_kinds.h"
#include "results/score.h"

struct ResultTitle {
    std::string periodStart;  // "%d.%m"
    std::string periodEnd;    // "%d.%m.%Y"
    std::string ownCall;
};

inline constexpr const char* kCreditLine =
    "Stats.dll for the KOLVEX Contest (C) - MixW statistics plug-in";

// A column after the band's: its heading and which figure of a band it shows.
struct FigureColumn {
    const char* heading;
    const char* textLead;      // what stands before the figure in a text row
    int BandFigures::*figure;  // null in a call-area column
    std::size_t areaKind;      // a call-area column's row of kCallAreaKind

    int Of(const BandFigures& f) const { return figure ? f.*figure : f.areas[areaKind]; }
};

template <typename AreaKinds>
struct FigureColumnTable;
template <std::size_t... kind>
struct FigureColumnTable<std::index_sequence<kind...>> {
    static constexpr FigureColumn kColumns[] = {
        {"QSOs", "\t ", &BandFigures::qsos, 0},
        {"Points", "\t  ", &BandFigures::points, 0},
        {"EADX100", "\t   ", &BandFigures::entities, 0},
        {"Prov", "\t  ", &BandFigures::provinces, 0},
        {kCallAreaKind[kind].resultHeading, "\t", nullptr, kind}...,  // each call-area kind
        {"iMults", "\t  ", &BandFigures::multipliers, 0},
    };
};

// The columns after the band's, left to right.
inline constexpr const auto& kFigureColumns =
    FigureColumnTable<std::make_index_sequence<kCallAreaKinds>>::kColumns;
// The band's column and the figures': the width of the rows below them.
constexpr int kResultColumns = 1 + static_cast<int>(std::size(kFigureColumns));
