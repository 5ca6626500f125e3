#include "contest/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/case_name.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kQsoDay = 42778.0;  // 2017-02-12
const double kQsoTime = kQsoDay + (14 * 60 + 5) / 1440.0;

struct FormatCase {
    const char* name;
    COleDateTime time;
    const char* pattern;
    const char* expected;
};

class OleDateTimeFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(OleDateTimeFormat, GivesText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.time.Format(c.pattern), c.expected);
}

const COleDateTime kValid(kQsoTime, COleDateTime::valid);

INSTANTIATE_TEST_SUITE_P(
    Patterns, OleDateTimeFormat,
    testing::Values(FormatCase{"CabrilloTime", kValid, "%Y-%m-%d %H%M", "2017-02-12 1405"},
                    FormatCase{"PeriodStart", kValid, "%d.%m", "12.02"},
                    FormatCase{"PeriodEnd", kValid, "%d.%m.%Y", "12.02.2017"},
                    FormatCase{"FileNameDate", kValid, "%d_%m_%Y", "12_02_2017"},
                    FormatCase{"Marker", kValid, "%H%M", "1405"},
                    FormatCase{"Year", kValid, "%Y", "2017"},
                    FormatCase{"ZeroIsEpoch", COleDateTime(0.0, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "1899-12-30 0000"},
                    FormatCase{"LeapDay", COleDateTime(42429.5, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "2016-02-29 1200"},
                    FormatCase{"NoPatternGivesEmpty", kValid, nullptr, ""}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Rounding, OleDateTimeFormat,
    testing::Values(FormatCase{"JustBeforeMidnightRollsToNextDay",
                               COleDateTime(42735.0 + 86399.6 * kSecond, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "2017-01-01 0000"},
                    FormatCase{"BelowHalfSecondStaysOnDay",
                               COleDateTime(42735.0 + 86399.4 * kSecond, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "2016-12-31 2359"},
                    FormatCase{"MinuteRollsAtHalfSecond",
                               COleDateTime(kQsoTime + 59.6 * kSecond, COleDateTime::valid), "%H%M",
                               "1406"},
                    FormatCase{"MinuteKeptBelowHalfSecond",
                               COleDateTime(kQsoTime + 59.4 * kSecond, COleDateTime::valid), "%H%M",
                               "1405"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Before1899, OleDateTimeFormat,
    testing::Values(FormatCase{"QuarterDayAfterPreviousMidnight",
                               COleDateTime(-1.25, COleDateTime::valid), "%Y-%m-%d %H%M",
                               "1899-12-29 0600"},
                    FormatCase{"WholeDayBack", COleDateTime(-1.0, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "1899-12-29 0000"},
                    FormatCase{"NegativeHalfIsNoonOfEpoch", COleDateTime(-0.5, COleDateTime::valid),
                               "%Y-%m-%d %H%M", "1899-12-30 1200"},
                    FormatCase{"YearsBack", COleDateTime(-36522.75, COleDateTime::valid),
                               "%d.%m.%Y %H%M", "01.01.1800 1800"},
                    FormatCase{"LastHalfSecondRollsToNextDay",
                               COleDateTime(-2.0 - (86399.8 / 86400), COleDateTime::valid),
                               "%Y-%m-%d %H%M%S", "1899-12-29 000000"},
                    FormatCase{"LastHalfSecondBeforeEpochRollsToEpoch",
                               COleDateTime(-1.0 - (86399.7 / 86400), COleDateTime::valid),
                               "%Y-%m-%d %H%M%S", "1899-12-30 000000"},
                    FormatCase{"SecondBeforeMidnightKept",
                               COleDateTime(-1.0 - (86399.2 / 86400), COleDateTime::valid),
                               "%Y-%m-%d %H%M%S", "1899-12-29 235959"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Unusable, OleDateTimeFormat,
    testing::Values(
        FormatCase{"LastDayIsInRange", COleDateTime(2958465.0, COleDateTime::valid), "%Y-%m-%d",
                   "9999-12-31"},
        FormatCase{"AfterYear9999", COleDateTime(2958466.0, COleDateTime::valid), "%Y",
                   "Invalid DateTime"},
        FormatCase{"BeforeYear100", COleDateTime(-657435.0, COleDateTime::valid), "%Y",
                   "Invalid DateTime"},
        FormatCase{"NotANumber", COleDateTime(kNaN, COleDateTime::valid), "%Y", "Invalid DateTime"},
        FormatCase{"PlusInfinity", COleDateTime(kInf, COleDateTime::valid), "%Y",
                   "Invalid DateTime"},
        FormatCase{"MinusInfinity", COleDateTime(-kInf, COleDateTime::valid), "%Y",
                   "Invalid DateTime"},
        FormatCase{"InvalidStatus", COleDateTime(kQsoTime, COleDateTime::invalid), "%Y-%m-%d %H%M",
                   "Invalid DateTime"},
        FormatCase{"NullStatusIsEmpty", COleDateTime(kQsoTime, COleDateTime::null), "%Y-%m-%d %H%M",
                   ""},
        FormatCase{"NullStatusWithNaNIsEmpty", COleDateTime(kNaN, COleDateTime::null), "%Y", ""},
        FormatCase{"UnknownStatus", COleDateTime(kQsoTime, static_cast<COleDateTime::Status>(7)),
                   "%Y", "Invalid DateTime"}),
    CaseName());

TEST(OleDateTimeFromParts, CountsDaysFromEpoch) {
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(2017, 2, 12, 14, 5, 0).Value(), kQsoTime);
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(1900, 3, 1, 0, 0, 0).Value(), 61.0);
}

TEST(OleDateTimeFromParts, CountsTimeAwayFromZeroBefore1899) {
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(1899, 12, 29, 6, 0, 0).Value(), -1.25);
}

TEST(OleDateTimeDefault, IsValidZero) {
    const COleDateTime time;
    EXPECT_EQ(time.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(time.Value(), 0.0);
}

struct SameAsCase {
    const char* name;
    COleDateTime a;
    COleDateTime b;
    bool same;
};

class OleDateTimeSameAs : public testing::TestWithParam<SameAsCase> {};

TEST_P(OleDateTimeSameAs, Decides) {
    const SameAsCase& c = GetParam();
    EXPECT_EQ(c.a.SameAs(c.b), c.same);
    EXPECT_EQ(c.b.SameAs(c.a), c.same) << "not symmetric";
}

using S = COleDateTime::Status;
INSTANTIATE_TEST_SUITE_P(
    Rules, OleDateTimeSameAs,
    testing::Values(
        SameAsCase{"ValidEqual", {kQsoTime, S::valid}, {kQsoTime, S::valid}, true},
        SameAsCase{
            "ValidOneSecondApart", {kQsoTime, S::valid}, {kQsoTime + kSecond, S::valid}, false},
        SameAsCase{"NullsWithAnyValues", {1.0, S::null}, {2.0, S::null}, true},
        SameAsCase{"NullAgainstValid", {kQsoTime, S::null}, {kQsoTime, S::valid}, false},
        SameAsCase{
            "ValidAgainstInvalidOfSameValue", {kQsoTime, S::valid}, {kQsoTime, S::invalid}, false},
        SameAsCase{"InvalidOfSameValue", {kQsoTime, S::invalid}, {kQsoTime, S::invalid}, true},
        SameAsCase{"InvalidBothNaN", {kNaN, S::invalid}, {kNaN, S::invalid}, true},
        SameAsCase{"InvalidOfOtherValues", {1.0, S::invalid}, {2.0, S::invalid}, false},
        SameAsCase{"ValidNaNNeverEqual", {kNaN, S::valid}, {kNaN, S::valid}, false}),
    CaseName());

struct LinearCase {
    const char* name;
    double value;
    double linear;
};

class OleDateTimeLinear : public testing::TestWithParam<LinearCase> {};

TEST_P(OleDateTimeLinear, PutsTimeOnContinuousScale) {
    const LinearCase& c = GetParam();
    EXPECT_DOUBLE_EQ(COleDateTime(c.value, COleDateTime::valid).Linear(), c.linear);
}

INSTANTIATE_TEST_SUITE_P(Values, OleDateTimeLinear,
                         testing::Values(LinearCase{"PositiveUnchanged", 2.5, 2.5},
                                         LinearCase{"ZeroUnchanged", 0.0, 0.0},
                                         LinearCase{"MorningBeforeEpoch", -1.25, -0.75},
                                         LinearCase{"EveningBeforeEpoch", -2.75, -1.25},
                                         LinearCase{"NegativeHalfIsNoonOfEpoch", -0.5, 0.5},
                                         LinearCase{"WholeNegativeDay", -3.0, -3.0}),
                         CaseName());

TEST(OleDateTimeLinear, OrdersTimesOfOneDayBefore1899) {
    const COleDateTime midnight(-1.0, COleDateTime::valid);
    const COleDateTime morning(-1.25, COleDateTime::valid);
    EXPECT_GT(morning.Linear(), midnight.Linear());
    EXPECT_NEAR(morning.Linear() - midnight.Linear(), 0.25, 1e-12);
}

}  // namespace
