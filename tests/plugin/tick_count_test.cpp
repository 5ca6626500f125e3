#include "plugin/tick_count.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/case_name.h"

namespace {

constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;

struct TickCase {
    const char* name;
    std::uint64_t last;
    std::uint32_t now;
    std::uint64_t expected;
};

const TickCase kTicks[] = {
    {"FirstRead", 0, 1234, 1234},
    {"SameCount", 1234, 1234, 1234},
    {"Forward", 1000, 61000, 61000},
    {"WrapToZero", 0xFFFFFFFF, 0, kWrap},
    {"WrapPastZero", 0xFFFFFFF0, 0x10, kWrap + 0x10},
    {"AfterOneWrap", kWrap + 5, 500, kWrap + 500},
    {"SecondWrap", kWrap + 0xFFFFFF00, 7, 2 * kWrap + 7},
    {"HighestBeforeWrap", 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFF},
};

class NextTick : public testing::TestWithParam<TickCase> {};

TEST_P(NextTick, KeepsCountingAcrossWraps) {
    EXPECT_EQ(NextTickCount(GetParam().last, GetParam().now), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, NextTick, testing::ValuesIn(kTicks), CaseName());

// A wrap every 2^32 ms: fifty days of reads an hour apart never go back.
TEST(NextTickCount, FiftyDaysOfHourlyReadsOnlyGrow) {
    std::uint64_t last = 0;
    std::uint64_t truth = 0xFFFF0000;  // a machine started just before a wrap
    for (int hour = 0; hour < 50 * 24; ++hour) {
        const std::uint64_t next = NextTickCount(last, static_cast<std::uint32_t>(truth));
        ASSERT_EQ(next, truth) << "hour " << hour;
        last = next;
        truth += 3600 * 1000;
    }
}

}  // namespace
