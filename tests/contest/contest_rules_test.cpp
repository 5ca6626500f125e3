#include "contest/contest_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/support/case_name.h"

namespace {

bool ValidMode(const std::string& text) { return ValidModes().Contains(text); }

struct ContainsCase {
    const char* name;
    bool (*test)(const std::string&);
    const char* text;
    bool contained;
};

class ContestRulesContains : public testing::TestWithParam<ContainsCase> {};

TEST_P(ContestRulesContains, Answers) {
    const ContainsCase& c = GetParam();
    EXPECT_EQ(c.test(c.text), c.contained);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContestRulesContains,
    testing::Values(ContainsCase{"Band20m", &IsContestBand, "20m", true},
                    ContainsCase{"Band20MIgnoresCase", &IsContestBand, "20M", true},
                    ContainsCase{"Band80m", &IsContestBand, "80m", true},
                    ContainsCase{"Band40m", &IsContestBand, "40M", true},
                    ContainsCase{"Band15m", &IsContestBand, "15m", true},
                    ContainsCase{"Band10m", &IsContestBand, "10m", true},
                    ContainsCase{"Band160mIsNotInContest", &IsContestBand, "160m", false},
                    ContainsCase{"EmptyTextEqualsNoEntry", &IsContestBand, "", false},
                    ContainsCase{"LeadingBlankIsNotTrimmed", &IsContestBand, " 20m", false},
                    ContainsCase{"PartOfEntryIsNotEnough", &IsContestBand, "20", false},
                    ContainsCase{"ModeRtty", &ValidMode, "RTTY", true},
                    ContainsCase{"ModeRttyLowerCase", &ValidMode, "rtty", true},
                    ContainsCase{"ModePsk", &ValidMode, "PSK", false},
                    ContainsCase{"ModeEmpty", &ValidMode, "", false}),
    CaseName());

// Every province the map shows is accepted, and so is the HQ's exchange;
// a near miss of any of them (a letter more or less, another last letter)
// is not, unless it is itself a code.
TEST(ProvinceCode, AcceptsEveryProvinceAndHqAndNoNearMiss) {
    std::set<std::string> codes(std::begin(kProvinceCodes), std::end(kProvinceCodes));
    EXPECT_EQ(codes.size(), 52u);
    codes.insert(kHqExchange);
    for (const std::string& code : codes) {
        EXPECT_TRUE(IsProvinceCode(code)) << code;
        std::vector<std::string> nearMisses = {code + "A", code.substr(1), code.substr(0, 1)};
        for (char last = 'A'; last <= 'Z'; ++last)
            nearMisses.push_back(code.substr(0, code.size() - 1) + last);
        for (const std::string& miss : nearMisses)
            EXPECT_EQ(IsProvinceCode(miss), codes.count(miss) == 1) << code << " -> " << miss;
    }
}

TEST(ProvinceCode, RefusesTextsCallersMustTrimOrUpperCase) {
    for (const char* text : {"m", " M", "M ", "", "XX", "EA", "hq", "MM", "Ma"}) {
        EXPECT_FALSE(IsProvinceCode(text)) << '"' << text << '"';
    }
}

struct GroupCase {
    const char* name;
    bool (*test)(const std::string&);
    const char* country;
    bool member;
};

class CountryGroup : public testing::TestWithParam<GroupCase> {};

TEST_P(CountryGroup, ComparesExactly) {
    const GroupCase& c = GetParam();
    EXPECT_EQ(c.test(c.country), c.member);
}

INSTANTIATE_TEST_SUITE_P(Spanish, CountryGroup,
                         testing::Values(GroupCase{"EA", &IsSpanishCountry, "EA", true},
                                         GroupCase{"EA6", &IsSpanishCountry, "EA6", true},
                                         GroupCase{"EA8", &IsSpanishCountry, "EA8", true},
                                         GroupCase{"EA9", &IsSpanishCountry, "EA9", true},
                                         GroupCase{"LowerCaseEa", &IsSpanishCountry, "ea", false},
                                         GroupCase{"EA7", &IsSpanishCountry, "EA7", false},
                                         GroupCase{"LetterE", &IsSpanishCountry, "E", false},
                                         GroupCase{"Empty", &IsSpanishCountry, "", false}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(RussianCaptions, CountryGroup,
                         testing::Values(GroupCase{"UA", &IsRussianCaptionCountry, "UA", true},
                                         GroupCase{"UA2", &IsRussianCaptionCountry, "UA2", true},
                                         GroupCase{"UA2f", &IsRussianCaptionCountry, "UA2/f", true},
                                         GroupCase{"UR", &IsRussianCaptionCountry, "UR", true},
                                         GroupCase{"UN", &IsRussianCaptionCountry, "UN", true},
                                         GroupCase{"EU", &IsRussianCaptionCountry, "EU", true},
                                         GroupCase{"LowerCaseUa", &IsRussianCaptionCountry, "ua",
                                                   false},
                                         GroupCase{"UA9", &IsRussianCaptionCountry, "UA9", false},
                                         GroupCase{"DL", &IsRussianCaptionCountry, "DL", false}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(CallArea, CountryGroup,
                         testing::Values(GroupCase{"K", &IsCallAreaCountry, "K", true},
                                         GroupCase{"VE", &IsCallAreaCountry, "VE", true},
                                         GroupCase{"VK", &IsCallAreaCountry, "VK", true},
                                         GroupCase{"JA", &IsCallAreaCountry, "JA", true},
                                         GroupCase{"W", &IsCallAreaCountry, "W", false},
                                         GroupCase{"LowerCaseK", &IsCallAreaCountry, "k", false},
                                         GroupCase{"PrefixJA1", &IsCallAreaCountry, "JA1", false}),
                         CaseName());

struct RowCase {
    const char* name;
    const char* band;
    int named;  // the row the text names
    int row;    // the row it stands for
};

class BandRowOf : public testing::TestWithParam<RowCase> {};

TEST_P(BandRowOf, OnlyTheTableSpellingStandsForItsRow) {
    EXPECT_EQ(NameBand(GetParam().band).row, GetParam().named);
    EXPECT_EQ(BandRow(GetParam().band), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BandRowOf,
    testing::Values(RowCase{"Band160m", "160m", 0, 0}, RowCase{"Band10m", "10m", 5, 5},
                    RowCase{"UpperCaseHasNoRow", "20M", 3, kNoBandRow},
                    RowCase{"EmptyHasNoRow", "", kNoBandRow, kNoBandRow},
                    RowCase{"UnknownBandHasNoRow", "6m", kNoBandRow, kNoBandRow}),
    CaseName());

}  // namespace
