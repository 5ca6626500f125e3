#include "tools/ole_date.h"

#include <cmath>

namespace host {
namespace {

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant).
long DaysFromCivil(int year, int month, int day) {
    long y = year - (month <= 2 ? 1 : 0);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The inverse of DaysFromCivil.
void CivilFromDays(long z, int* year, int* month, int* day) {
    z += 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *year = static_cast<int>(yoe + era * 400 + (*month <= 2 ? 1 : 0));
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Reads `count` decimal digits; false if any is not a digit.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int* out) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    *out = value;
    return true;
}

OleDate Invalid() { return OleDate{0.0, OleDate::invalid}; }

}  // namespace

double OleValue(int year, int month, int day, int hour, int minute, int second) {
    // 1899-12-30 lies 25569 days before 1970-01-01.
    long days = DaysFromCivil(year, month, day) + 25569;
    double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before day 0 the host counts the day down but the time of day up:
    // 29 December 1899 at noon is -1.5, not -0.5.
    return days >= 0 ? days + fraction : days - fraction;
}

CivilTime CivilOf(double value) {
    // Undo the split encoding below day 0 first, so time runs forward.
    double day = value < 0 ? std::ceil(value) : std::floor(value);
    double linear = day + std::fabs(value - day);
    long long seconds = std::llround(linear * 86400.0);
    long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    long rest = static_cast<long>(seconds - days * 86400);
    CivilTime t{};
    CivilFromDays(static_cast<long>(days) - 25569, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

OleDate DateFromAdif(std::string_view date, std::string_view time) {
    if (date.empty()) return OleDate{};
    int year, month, day;
    if (date.size() != 8 || !Digits(date, 0, 4, &year) || !Digits(date, 4, 2, &month) ||
        !Digits(date, 6, 2, &day))
        return Invalid();
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return Invalid();
    int hour = 0, minute = 0, second = 0;
    if (!time.empty()) {
        if (time.size() != 4 && time.size() != 6) return Invalid();
        if (!Digits(time, 0, 2, &hour) || !Digits(time, 2, 2, &minute)) return Invalid();
        if (time.size() == 6 && !Digits(time, 4, 2, &second)) return Invalid();
        if (hour > 23 || minute > 59 || second > 59) return Invalid();
    }
    return OleDate{OleValue(year, month, day, hour, minute, second), OleDate::valid};
}

}  // namespace host
