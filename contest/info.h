// One QSO of the contest log.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "contest/ole_date_time.h"

// A plain value: no virtual member, so no hidden pointer in each of the
// weekend's records, and the log moves records without throwing.
class CInfo {
  public:
    std::string m_call;
    std::string m_country;
    std::string m_band;
    std::string m_mode;
    std::string m_rstReceived;
    std::string m_rstSent;
    std::string m_exchReceived;
    std::string m_exchSent;
    std::string m_province;
    std::int32_t m_freqKHz = 0;
    std::int32_t m_areaJA = -1;
    std::int32_t m_areaK = -1;
    std::int32_t m_areaVE = -1;
    std::int32_t m_areaVK = -1;
    std::int32_t m_notCounted = 0;
    std::int32_t m_bad = 0;
    std::int32_t m_dupe = 0;
    COleDateTime m_time;
};
static_assert(!std::is_polymorphic_v<CInfo>, "a record carries no hidden pointer");
static_assert(std::is_nothrow_move_constructible_v<CInfo>,
              "the log moves records without throwing");

// Stores the last decimal digit of the call prefix as the call area of a
// station of a kCallAreaKind country; any other country leaves the record
// alone.
void SetCallArea(CInfo& info, const std::string& country, const std::string& prefix);
