// The four countries whose call areas are multipliers, each with the field
// of the record that holds its area.  One order for the whole program: the
// log's area column, its per-band counts and the result's columns all
// follow it.
#pragma once

#include <cstdint>

#include "contest/info.h"

struct CallAreaKind {
    const char* country;  // the country prefix, also the prefix of the area's code ("JA1")
    std::int32_t CInfo::*field;
};

constexpr int kCallAreaKinds = 4;

constexpr CallAreaKind kCallAreaKind[kCallAreaKinds] = {
    {"JA", &CInfo::m_areaJA},
    {"K", &CInfo::m_areaK},
    {"VE", &CInfo::m_areaVE},
    {"VK", &CInfo::m_areaVK},
};
