#include "contest/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace {

// The OLE date range: days from 1 January 100 to 31 December 9999, each
// with all of its hours.
constexpr long kMinDay = -657434;
constexpr long kMaxDay = 2958465;
constexpr long kDaysFrom1970To1899 = 25569;  // 1899-12-30 lies this many days before 1970-01-01

struct Parts {
    long year;
    int month, day, hour, minute, second;
};

// Proleptic Gregorian calendar from a day count relative to 1970-01-01.
void CivilFromDays(long z, Parts& p) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    p.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    p.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    p.year = yoe + era * 400 + (p.month <= 2 ? 1 : 0);
}

long DaysFromCivil(long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Splits an OLE date into its parts, rounded to the nearest second.  The
// rounding works on the continuous day scale, so that a time just before
// midnight rolls over to the next day below zero as well.
bool SplitDate(double value, Parts& p) {
    if (!(value > kMinDay - 1.0 && value < kMaxDay + 1.0)) return false;
    const double linear = COleDateTime(value, COleDateTime::valid).Linear();
    const long long seconds = std::llround(linear * 86400.0);
    long long days = seconds / 86400;
    long long secondOfDay = seconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    if (days < kMinDay || days > kMaxDay) return false;
    CivilFromDays(static_cast<long>(days) - kDaysFrom1970To1899, p);
    p.hour = static_cast<int>(secondOfDay / 3600);
    p.minute = static_cast<int>(secondOfDay / 60 % 60);
    p.second = static_cast<int>(secondOfDay % 60);
    return true;
}

void AppendNumber(std::string& out, long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*ld", width, value);
    out += buffer;
}

}  // namespace

COleDateTime COleDateTime::FromParts(int year, int month, int day, int hour, int minute,
                                     int second) {
    const double days = static_cast<double>(DaysFromCivil(year, month, day) + kDaysFrom1970To1899);
    const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Below zero the time part counts away from zero.
    return COleDateTime(days >= 0 ? days + time : days - time, valid);
}

std::string COleDateTime::Format(const char* pattern) const {
    if (m_status == null) return std::string();
    Parts p{};
    if (m_status != valid || !SplitDate(m_value, p)) return "Invalid DateTime";
    std::string out;
    for (const char* c = pattern ? pattern : ""; *c; ++c) {
        if (*c != '%' || c[1] == '\0') {
            out += *c;
            continue;
        }
        switch (*++c) {
            case 'Y':
                AppendNumber(out, p.year, 1);
                break;
            case 'y':
                AppendNumber(out, p.year % 100, 2);
                break;
            case 'm':
                AppendNumber(out, p.month, 2);
                break;
            case 'd':
                AppendNumber(out, p.day, 2);
                break;
            case 'H':
                AppendNumber(out, p.hour, 2);
                break;
            case 'M':
                AppendNumber(out, p.minute, 2);
                break;
            case 'S':
                AppendNumber(out, p.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += *c;
                break;
        }
    }
    return out;
}

double COleDateTime::Linear() const {
    if (m_value >= 0) return m_value;
    const double day = std::ceil(m_value);
    return day - (m_value - day);
}

bool COleDateTime::SameAs(const COleDateTime& other) const {
    if (m_status != other.m_status) return false;
    if (m_status == null) return true;
    if (m_value == other.m_value) return true;
    return m_status == invalid && std::isnan(m_value) && std::isnan(other.m_value);
}
