// A previous-QSO row's fields as the tests compare them, each named here, so
// that a slip in the rows' own == cannot make two different rows agree.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/painted_views.h"

using RowFields = std::array<std::string, 4>;
static_assert(sizeof(PrevQsoRow) == sizeof(RowFields), "RowFieldsOf: every field of a row");

inline RowFields RowFieldsOf(const PrevQsoRow& r) { return {r.band, r.mode, r.time, r.exchange}; }

template <typename Rows>
std::vector<RowFields> RowFieldsOf(const Rows& rows) {
    std::vector<RowFields> fields;
    for (const PrevQsoRow& row : rows) fields.push_back(RowFieldsOf(row));
    return fields;
}
