#include <gtest/gtest.h>

#include "contest/info.h"
#include "tests/support/case_name.h"

namespace {

struct AreaCase {
    const char* name;
    const char* country;
    const char* prefix;
    int ja, k, ve, vk;
};

class SetCallAreaOf : public testing::TestWithParam<AreaCase> {};

TEST_P(SetCallAreaOf, StoresLastDigitInCountryField) {
    const AreaCase& c = GetParam();
    CInfo info;
    SetCallArea(info, c.country, c.prefix);
    EXPECT_EQ(info.m_areaJA, c.ja);
    EXPECT_EQ(info.m_areaK, c.k);
    EXPECT_EQ(info.m_areaVE, c.ve);
    EXPECT_EQ(info.m_areaVK, c.vk);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetCallAreaOf,
    testing::Values(AreaCase{"JapanOne", "JA", "JA1", 1, -1, -1, -1},
                    AreaCase{"TwoDigitsLastWins", "JA", "7J12", 2, -1, -1, -1},
                    AreaCase{"NoDigitLeavesNone", "JA", "JA", -1, -1, -1, -1},
                    AreaCase{"UsaFromWPrefix", "K", "W4", -1, 4, -1, -1},
                    AreaCase{"UsaZero", "K", "K0", -1, 0, -1, -1},
                    AreaCase{"Canada", "VE", "VE3", -1, -1, 3, -1},
                    AreaCase{"Australia", "VK", "VK2", -1, -1, -1, 2},
                    AreaCase{"JapanNine", "JA", "JA9", 9, -1, -1, -1},
                    AreaCase{"UsaNine", "K", "W9", -1, 9, -1, -1},
                    AreaCase{"CanadaNine", "VE", "VE9", -1, -1, 9, -1},
                    AreaCase{"AustraliaNine", "VK", "VK9", -1, -1, -1, 9},
                    AreaCase{"NineThenZeroLastWins", "K", "K90", -1, 0, -1, -1},
                    AreaCase{"ZeroThenNineLastWins", "VK", "VK09", -1, -1, -1, 9},
                    AreaCase{"CountryWIsNotK", "W", "W4", -1, -1, -1, -1},
                    AreaCase{"LowerCaseCountry", "k", "K1", -1, -1, -1, -1},
                    AreaCase{"OtherCountry", "DL", "DL1", -1, -1, -1, -1},
                    AreaCase{"EmptyCountry", "", "K1", -1, -1, -1, -1},
                    AreaCase{"EmptyPrefix", "K", "", -1, -1, -1, -1},
                    AreaCase{"NonAsciiBytesIgnored", "VK",
                             "\xB3"
                             "5\xFF",
                             -1, -1, -1, 5}),
    CaseName());

TEST(SetCallArea, OtherCountryKeepsEarlierArea) {
    CInfo info;
    info.m_areaK = 7;
    SetCallArea(info, "DL", "DL1");
    EXPECT_EQ(info.m_areaK, 7);
}

TEST(CInfoDefaults, HoldNoAreaNoFlagsAndValidZeroTime) {
    const CInfo info;
    EXPECT_EQ(info.m_areaJA, -1);
    EXPECT_EQ(info.m_areaK, -1);
    EXPECT_EQ(info.m_areaVE, -1);
    EXPECT_EQ(info.m_areaVK, -1);
    EXPECT_EQ(info.m_notCounted + info.m_bad + info.m_dupe + info.m_freqKHz, 0);
    EXPECT_TRUE(info.m_province.empty());
    EXPECT_EQ(info.m_time.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(info.m_time.Value(), 0.0);
}

}  // namespace
