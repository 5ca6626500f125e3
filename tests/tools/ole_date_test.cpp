#include "tools/ole_date.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/case_name.h"

namespace {

using host::OleDate;

struct DateCase {
    const char* name;
    const char* date;
    const char* time;
    OleDate::Status status;
    double value;  // checked for valid dates only
};

class DateFromAdif : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFromAdif, GivesHostDate) {
    const DateCase& c = GetParam();
    OleDate d = host::DateFromAdif(c.date, c.time);
    EXPECT_EQ(d.status, c.status) << c.date << " " << c.time;
    if (c.status == OleDate::valid) {
        EXPECT_NEAR(d.value, c.value, 1e-9) << c.date << " " << c.time;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, DateFromAdif,
    ::testing::Values(DateCase{"Epoch", "18991230", "0000", OleDate::valid, 0.0},
                      DateCase{"DayBeforeEpochNoon", "18991229", "1200", OleDate::valid, -1.5},
                      DateCase{"NoTime", "19000301", "", OleDate::valid, 61.0},
                      DateCase{"Year2000", "20000101", "0000", OleDate::valid, 36526.0},
                      DateCase{"HoursMinutes", "20170212", "1405", OleDate::valid,
                               42778.0 + 845.0 / 1440.0},
                      DateCase{"WithSeconds", "20170212", "140530", OleDate::valid,
                               42778.0 + (14 * 3600 + 5 * 60 + 30) / 86400.0},
                      DateCase{"LeapDayLastSecond", "20160229", "235959", OleDate::valid,
                               42429.0 + 86399.0 / 86400.0},
                      DateCase{"LastDay", "99991231", "0000", OleDate::valid, 2958465.0}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Refused, DateFromAdif,
    ::testing::Values(DateCase{"NoDate", "", "1405", OleDate::null, 0},
                      DateCase{"NoDateNoTime", "", "", OleDate::null, 0},
                      DateCase{"February30", "20170230", "1405", OleDate::invalid, 0},
                      DateCase{"February29NotLeap", "20170229", "1405", OleDate::invalid, 0},
                      DateCase{"Year1900NotLeap", "19000229", "0000", OleDate::invalid, 0},
                      DateCase{"Month13", "20171301", "0000", OleDate::invalid, 0},
                      DateCase{"MonthZero", "20170000", "0000", OleDate::invalid, 0},
                      DateCase{"YearTooEarly", "00991231", "0000", OleDate::invalid, 0},
                      DateCase{"SevenDigits", "2017021", "1405", OleDate::invalid, 0},
                      DateCase{"Dashes", "2017-02-", "1405", OleDate::invalid, 0},
                      DateCase{"Hour24", "20170212", "2400", OleDate::invalid, 0},
                      DateCase{"Minute60", "20170212", "1460", OleDate::invalid, 0},
                      DateCase{"Second60", "20170212", "140560", OleDate::invalid, 0},
                      DateCase{"TimeTooShort", "20170212", "14", OleDate::invalid, 0},
                      DateCase{"TimeWithColon", "20170212", "14:05", OleDate::invalid, 0}),
    CaseName());

struct CivilCase {
    const char* name;
    double value;
    host::CivilTime expected;
};

class CivilOf : public ::testing::TestWithParam<CivilCase> {};

TEST_P(CivilOf, GivesCalendarTime) {
    host::CivilTime t = host::CivilOf(GetParam().value);
    const host::CivilTime& e = GetParam().expected;
    EXPECT_EQ(t.year, e.year);
    EXPECT_EQ(t.month, e.month);
    EXPECT_EQ(t.day, e.day);
    EXPECT_EQ(t.hour, e.hour);
    EXPECT_EQ(t.minute, e.minute);
    EXPECT_EQ(t.second, e.second);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CivilOf,
    ::testing::Values(CivilCase{"Epoch", 0.0, {1899, 12, 30, 0, 0, 0}},
                      CivilCase{"DayBeforeEpochNoon", -1.5, {1899, 12, 29, 12, 0, 0}},
                      CivilCase{"March1900", 61.0, {1900, 3, 1, 0, 0, 0}},
                      CivilCase{"Afternoon", 42778.0 + 845.0 / 1440.0, {2017, 2, 12, 14, 5, 0}},
                      CivilCase{
                          "RoundsToNextDay", 42429.0 + 86399.6 / 86400.0, {2016, 3, 1, 0, 0, 0}},
                      CivilCase{"LastDayNoon", 2958465.5, {9999, 12, 31, 12, 0, 0}}),
    CaseName());

// Every minute of a leap day and the days around it come back unchanged.
TEST(CivilOf, InvertsDateFromAdif) {
    for (int day = 28; day <= 31; ++day) {
        for (int minute = 0; minute < 1440; minute += 7) {
            char date[9], time[5];
            std::snprintf(date, sizeof date, "2016%02d%02d", day <= 29 ? 2 : 3,
                          day <= 29 ? day : day - 29);
            std::snprintf(time, sizeof time, "%02d%02d", minute / 60, minute % 60);
            host::CivilTime t = host::CivilOf(host::DateFromAdif(date, time).value);
            char back[9], backTime[5];
            std::snprintf(back, sizeof back, "%04d%02d%02d", t.year, t.month, t.day);
            std::snprintf(backTime, sizeof backTime, "%02d%02d", t.hour, t.minute);
            EXPECT_STREQ(back, date);
            EXPECT_STREQ(backTime, time);
        }
    }
}

}  // namespace
