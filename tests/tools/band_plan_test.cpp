#include "tools/band_plan.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace {

struct FrequencyCase {
    const char* name;
    const char* mhz;
    std::uint32_t hz;
};

class FrequencyHz : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyHz, ConvertsMegahertz) {
    EXPECT_EQ(host::FrequencyHz(GetParam().mhz), GetParam().hz) << GetParam().mhz;
}

INSTANTIATE_TEST_SUITE_P(
    Adif, FrequencyHz,
    ::testing::Values(FrequencyCase{"Kilohertz", "14.085", 14085000u},
                      FrequencyCase{"TenHertz", "14.08512", 14085120u},
                      FrequencyCase{"FourDecimals", "3.5805", 3580500u},
                      FrequencyCase{"WholeMegahertz", "28", 28000000u},
                      FrequencyCase{"BlanksAround", " 7.035 ", 7035000u},
                      FrequencyCase{"NoLeadingDigit", ".5", 500000u},
                      FrequencyCase{"BelowHertzDropped", "14.0851234", 14085123u},
                      FrequencyCase{"LargestValue", "4294.967295", 4294967295u},
                      FrequencyCase{"TooLarge", "4294.967296", 0u},
                      FrequencyCase{"OverflowsInHertz", "14085", 0u},
                      FrequencyCase{"HugeNumber", "99999999999999999999", 0u},
                      FrequencyCase{"Empty", "", 0u}, FrequencyCase{"PointOnly", ".", 0u},
                      FrequencyCase{"Comma", "14,085", 0u},
                      FrequencyCase{"TwoPoints", "14.08.5", 0u},
                      FrequencyCase{"Negative", "-14.085", 0u}),
    CaseName());

struct BandCase {
    const char* name;
    std::uint32_t hz;
    const char* band;
};

class BandOfFrequency : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandOfFrequency, FindsBand) {
    EXPECT_EQ(host::BandOfFrequency(GetParam().hz), GetParam().band) << GetParam().hz;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BandOfFrequency,
    ::testing::Values(BandCase{"In160", 1838000, "160m"}, BandCase{"Bottom80", 3500000, "80m"},
                      BandCase{"Below80", 3499999, ""}, BandCase{"In40", 7040000, "40m"},
                      BandCase{"Top20", 14350000, "20m"}, BandCase{"Above20", 14350001, ""},
                      BandCase{"In15", 21080000, "15m"}, BandCase{"In10", 28080000, "10m"},
                      BandCase{"Zero", 0, ""}),
    CaseName());

TEST(NormaliseBand, LowersAndDropsBlanks) {
    EXPECT_EQ(host::NormaliseBand("20M"), "20m");
    EXPECT_EQ(host::NormaliseBand(" 160M "), "160m");
    EXPECT_EQ(host::NormaliseBand("40m"), "40m");
    EXPECT_EQ(host::NormaliseBand(""), "");
}

}  // namespace
