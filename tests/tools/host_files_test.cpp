#include "tools/host_files.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace {

using host::OleDate;

struct NameCase {
    const char* name;
    OleDate end;
    const char* file;
};

class BadQsoFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(BadQsoFileName, FollowsPeriodEnd) {
    EXPECT_EQ(host::BadQsoFileName(GetParam().end), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, BadQsoFileName,
    ::testing::Values(
        NameCase{"April16",
                 {host::OleValue(2017, 4, 16, 11, 59, 59), OleDate::valid},
                 "BadQSO_StatsKOLVEX_16_04_2017.txt"},
        NameCase{"February12",
                 {host::OleValue(2017, 2, 12, 23, 59, 0), OleDate::valid},
                 "BadQSO_StatsKOLVEX_12_02_2017.txt"},
        NameCase{"NullEnd", {0.0, OleDate::null}, "BadQSO_StatsKOLVEX_.txt"},
        NameCase{"InvalidEnd", {0.0, OleDate::invalid}, "BadQSO_StatsKOLVEX_Invalid DateTime.txt"}),
    CaseName());

host::Qso At(double when, OleDate::Status status = OleDate::valid) {
    host::Qso q;
    q.time = OleDate{when, status};
    return q;
}

TEST(DefaultPeriod, SpansFirstToLastQsoDay) {
    OleDate start, end;
    double sat = host::OleValue(2017, 2, 11, 12, 0, 10);
    double sun = host::OleValue(2017, 2, 12, 11, 58, 0);
    host::DefaultPeriod({At(sun), At(0, OleDate::invalid), At(sat), At(0, OleDate::null)}, &start,
                        &end);
    ASSERT_EQ(start.status, OleDate::valid);
    ASSERT_EQ(end.status, OleDate::valid);
    EXPECT_DOUBLE_EQ(start.value, host::OleValue(2017, 2, 11, 0, 0, 0));
    EXPECT_DOUBLE_EQ(end.value, host::OleValue(2017, 2, 12, 23, 59, 0));
}

TEST(DefaultPeriod, NullWithoutValidTimes) {
    OleDate start{1.0, OleDate::valid}, end{1.0, OleDate::valid};
    host::DefaultPeriod({At(0, OleDate::invalid)}, &start, &end);
    EXPECT_EQ(start.status, OleDate::null);
    EXPECT_EQ(end.status, OleDate::null);
}

}  // namespace
