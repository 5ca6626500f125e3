#include "tools/ole_date.h"

#include <gtest/gtest.h>

namespace {

using host::OleDate;

struct DateCase {
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
    ::testing::Values(DateCase{"18991230", "0000", OleDate::valid, 0.0},
                      DateCase{"18991229", "1200", OleDate::valid, -1.5},
                      DateCase{"19000301", "", OleDate::valid, 61.0},
                      DateCase{"20000101", "0000", OleDate::valid, 36526.0},
                      DateCase{"20170212", "1405", OleDate::valid, 42778.0 + 845.0 / 1440.0},
                      DateCase{"20170212", "140530", OleDate::valid,
                               42778.0 + (14 * 3600 + 5 * 60 + 30) / 86400.0},
                      DateCase{"20160229", "235959", OleDate::valid, 42429.0 + 86399.0 / 86400.0},
                      DateCase{"99991231", "0000", OleDate::valid, 2958465.0}));

INSTANTIATE_TEST_SUITE_P(Refused, DateFromAdif,
                         ::testing::Values(DateCase{"", "1405", OleDate::null, 0},
                                           DateCase{"", "", OleDate::null, 0},
                                           DateCase{"20170230", "1405", OleDate::invalid, 0},
                                           DateCase{"20170229", "1405", OleDate::invalid, 0},
                                           DateCase{"19000229", "0000", OleDate::invalid, 0},
                                           DateCase{"20171301", "0000", OleDate::invalid, 0},
                                           DateCase{"20170000", "0000", OleDate::invalid, 0},
                                           DateCase{"00991231", "0000", OleDate::invalid, 0},
                                           DateCase{"2017021", "1405", OleDate::invalid, 0},
                                           DateCase{"2017-02-", "1405", OleDate::invalid, 0},
                                           DateCase{"20170212", "2400", OleDate::invalid, 0},
                                           DateCase{"20170212", "1460", OleDate::invalid, 0},
                                           DateCase{"20170212", "140560", OleDate::invalid, 0},
                                           DateCase{"20170212", "14", OleDate::invalid, 0},
                                           DateCase{"20170212", "14:05", OleDate::invalid, 0}));

}  // namespace
