#include "tools/call_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PrefixCase {
    const char* call;
    const char* prefix;
};

class DerivePrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(DerivePrefix, GivesWpxPrefix) {
    EXPECT_EQ(callsign::DerivePrefix(GetParam().call), GetParam().prefix) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(Plain, DerivePrefix,
                         ::testing::Values(PrefixCase{"EA4URE", "EA4"}, PrefixCase{"K4ABC", "K4"},
                                           PrefixCase{"JA1XYZ", "JA1"}, PrefixCase{"VE3AB", "VE3"},
                                           PrefixCase{"VK2XX", "VK2"}, PrefixCase{"2E0ABC", "2E0"},
                                           PrefixCase{"3DA0RS", "3DA0"},
                                           PrefixCase{"4U1ITU", "4U1"}, PrefixCase{"ea8aa", "EA8"},
                                           PrefixCase{"  dl1abc ", "DL1"},
                                           PrefixCase{"RAEM", "RA0"}, PrefixCase{"", ""},
                                           PrefixCase{"/", ""}));

INSTANTIATE_TEST_SUITE_P(
    Portable, DerivePrefix,
    ::testing::Values(PrefixCase{"EA8/DL1ABC", "EA8"}, PrefixCase{"DL1ABC/EA8", "EA8"},
                      PrefixCase{"EA8/DL1ABC/P", "EA8"}, PrefixCase{"PA/DL1ABC", "PA0"},
                      PrefixCase{"K4ABC/6", "K6"}, PrefixCase{"W1AW/4/QRP", "W4"},
                      PrefixCase{"EA4URE/P", "EA4"}, PrefixCase{"DL1ABC/MM", "DL1"},
                      PrefixCase{"VE3AB/M", "VE3"}));

struct SplitCase {
    const char* call;
    const char* home;
    const char* designator;
    char area;
};

class SplitCall : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCall, FindsHomeAndDesignator) {
    callsign::Parts parts = callsign::Split(GetParam().call);
    EXPECT_EQ(parts.home, GetParam().home);
    EXPECT_EQ(parts.designator, GetParam().designator);
    EXPECT_EQ(parts.area, GetParam().area);
}

INSTANTIATE_TEST_SUITE_P(Calls, SplitCall,
                         ::testing::Values(SplitCase{"EA4URE", "EA4URE", "", '\0'},
                                           SplitCase{"ea8/dl1abc", "DL1ABC", "EA8", '\0'},
                                           SplitCase{"DL1ABC/EA8", "DL1ABC", "EA8", '\0'},
                                           SplitCase{"K4ABC/6", "K4ABC", "", '6'},
                                           SplitCase{"PA/DL1ABC/P", "DL1ABC", "PA", '\0'},
                                           SplitCase{"//", "", "", '\0'}));

}  // namespace
