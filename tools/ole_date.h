// The host's date value: days since 30 December 1899 as a double, with the
// status word the host keeps beside it.
#pragma once

#include <cstdint>
#include <string_view>

namespace host {

struct OleDate {
    enum Status : std::int32_t { valid = 0, invalid = 1, null = 2 };
    double value = 0.0;
    Status status = null;
};

// Days since 1899-12-30 for a calendar date and time; the fields must be
// in range (see DateFromAdif for checked input).
double OleValue(int year, int month, int day, int hour, int minute, int second);

struct CivilTime {
    int year, month, day, hour, minute, second;
};

// The calendar date and time of a host date value, to the nearest second.
CivilTime CivilOf(double value);

// QSO_DATE "YYYYMMDD" and TIME_ON "HHMM" or "HHMMSS".  An empty date gives
// a null date; a date or time that is not a real one (20170230, 2460), or
// one before the year 100 where the host's dates end, gives an invalid
// date with value 0.  An empty time means midnight.
OleDate DateFromAdif(std::string_view date, std::string_view time);

}  // namespace host
