#include "tools/call_prefix.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"

namespace {

struct PrefixCase {
    const char* name;
    const char* call;
    const char* prefix;
};

class DerivePrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(DerivePrefix, GivesWpxPrefix) {
    EXPECT_EQ(callsign::DerivePrefix(GetParam().call), GetParam().prefix) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(
    Plain, DerivePrefix,
    ::testing::Values(
        PrefixCase{"EA4URE", "EA4URE", "EA4"}, PrefixCase{"K4ABC", "K4ABC", "K4"},
        PrefixCase{"JA1XYZ", "JA1XYZ", "JA1"}, PrefixCase{"VE3AB", "VE3AB", "VE3"},
        PrefixCase{"VK2XX", "VK2XX", "VK2"}, PrefixCase{"DigitFirst", "2E0ABC", "2E0"},
        PrefixCase{"DigitTwoLettersDigit", "3DA0XY", "3DA0"},
        PrefixCase{"DigitLetterDigit", "4U1XYZ", "4U1"}, PrefixCase{"LowerCase", "ea8aa", "EA8"},
        PrefixCase{"BlanksAround", "  dl1abc ", "DL1"}, PrefixCase{"NoDigit", "RAXY", "RA0"},
        PrefixCase{"Empty", "", ""}, PrefixCase{"SlashOnly", "/", ""}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Portable, DerivePrefix,
                         ::testing::Values(PrefixCase{"DesignatorFirst", "EA8/DL1ABC", "EA8"},
                                           PrefixCase{"DesignatorLast", "DL1ABC/EA8", "EA8"},
                                           PrefixCase{"DesignatorFirstAndSuffix", "EA8/DL1ABC/P",
                                                      "EA8"},
                                           PrefixCase{"DesignatorWithoutDigit", "PA/DL1ABC", "PA0"},
                                           PrefixCase{"AreaDigit", "K4ABC/6", "K6"},
                                           PrefixCase{"AreaDigitAndSuffix", "W1XYZ/4/QRP", "W4"},
                                           PrefixCase{"PortableSuffix", "EA4URE/P", "EA4"},
                                           PrefixCase{"MaritimeSuffix", "DL1ABC/MM", "DL1"},
                                           PrefixCase{"MobileSuffix", "VE3AB/M", "VE3"}),
                         CaseName());

struct SplitCase {
    const char* name;
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

INSTANTIATE_TEST_SUITE_P(
    Calls, SplitCall,
    ::testing::Values(SplitCase{"NoDesignator", "EA4URE", "EA4URE", "", '\0'},
                      SplitCase{"DesignatorFirstLowerCase", "ea8/dl1abc", "DL1ABC", "EA8", '\0'},
                      SplitCase{"DesignatorLast", "DL1ABC/EA8", "DL1ABC", "EA8", '\0'},
                      SplitCase{"AreaDigit", "K4ABC/6", "K4ABC", "", '6'},
                      SplitCase{"DesignatorAndSuffix", "PA/DL1ABC/P", "DL1ABC", "PA", '\0'},
                      SplitCase{"SlashesOnly", "//", "", "", '\0'}),
    CaseName());

}  // namespace
