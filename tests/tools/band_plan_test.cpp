#include "tools/band_plan.h"

#include <gtest/gtest.h>

namespace {

struct FrequencyCase {
    const char* mhz;
    std::uint32_t hz;
};

class FrequencyHz : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyHz, ConvertsMegahertz) {
    EXPECT_EQ(host::FrequencyHz(GetParam().mhz), GetParam().hz) << GetParam().mhz;
}

INSTANTIATE_TEST_SUITE_P(
    Adif, FrequencyHz,
    ::testing::Values(FrequencyCase{"14.085", 14085000u}, FrequencyCase{"14.08512", 14085120u},
                      FrequencyCase{"3.5805", 3580500u}, FrequencyCase{"28", 28000000u},
                      FrequencyCase{" 7.035 ", 7035000u}, FrequencyCase{".5", 500000u},
                      FrequencyCase{"14.0851234", 14085123u},
                      FrequencyCase{"4294.967295", 4294967295u}, FrequencyCase{"4294.967296", 0u},
                      FrequencyCase{"14085", 0u}, FrequencyCase{"99999999999999999999", 0u},
                      FrequencyCase{"", 0u}, FrequencyCase{".", 0u}, FrequencyCase{"14,085", 0u},
                      FrequencyCase{"14.08.5", 0u}, FrequencyCase{"-14.085", 0u}));

struct BandCase {
    std::uint32_t hz;
    const char* band;
};

class BandOfFrequency : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandOfFrequency, FindsBand) {
    EXPECT_EQ(host::BandOfFrequency(GetParam().hz), GetParam().band) << GetParam().hz;
}

INSTANTIATE_TEST_SUITE_P(Edges, BandOfFrequency,
                         ::testing::Values(BandCase{1838000, "160m"}, BandCase{3500000, "80m"},
                                           BandCase{3499999, ""}, BandCase{7040000, "40m"},
                                           BandCase{14350000, "20m"}, BandCase{14350001, ""},
                                           BandCase{21080000, "15m"}, BandCase{28080000, "10m"},
                                           BandCase{0, ""}));

TEST(NormaliseBand, LowersAndDropsBlanks) {
    EXPECT_EQ(host::NormaliseBand("20M"), "20m");
    EXPECT_EQ(host::NormaliseBand(" 160M "), "160m");
    EXPECT_EQ(host::NormaliseBand("40m"), "40m");
    EXPECT_EQ(host::NormaliseBand(""), "");
}

}  // namespace
