// The kinds of station whose QSOs mark a map window.  A removal names the
// kinds it took out, and each map window is reset by its own kind.
#pragma once

#include <string>

#include "contest/contest_rules.h"

// One bit each: a set of kinds is one number, which a window message carries.
enum StationKind : unsigned {
    kSpanishStation = 1u << 0,   // its QSO may have marked a province
    kCallAreaStation = 1u << 1,  // a station of a call-area country
};
using StationKinds = unsigned;

struct StationKindRule {
    StationKind kind;
    bool (*isOf)(const std::string& country);
};

inline constexpr StationKindRule kStationKinds[] = {
    {kSpanishStation, IsSpanishCountry},
    {kCallAreaStation, IsCallAreaCountry},
};

// The kinds a station of `country` is of.
inline StationKinds StationKindsOf(const std::string& country) {
    StationKinds kinds = 0;
    for (const StationKindRule& rule : kStationKinds) {
        if (rule.isOf(country)) kinds |= rule.kind;
    }
    return kinds;
}
