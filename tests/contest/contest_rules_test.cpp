#include "contest/contest_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/support/case_name.h"

namespace {

std::vector<std::string> Entries(const CContestRules& rules) {
    std::vector<std::string> entries;
    for (int i = 0; i < rules.GetSize(); ++i) entries.push_back(rules.GetAt(i));
    return entries;
}

TEST(ContestRules, ValidBandsHoldTheFiveContestBandsAndNo160) {
    EXPECT_EQ(Entries(ValidBands()), (std::vector<std::string>{"80m", "40m", "20m", "15m", "10m"}));
}

TEST(ContestRules, ValidModesHoldRttyOnly) {
    EXPECT_EQ(Entries(ValidModes()), (std::vector<std::string>{"RTTY"}));
}

TEST(ContestRules, ListBuiltFromTableKeepsItsOrder) {
    const char* const table[] = {"b", "a", "b"};
    const CContestRules rules(table, 3);
    EXPECT_EQ(Entries(rules), (std::vector<std::string>{"b", "a", "b"}));
}

struct ContainsCase {
    const char* name;
    const CContestRules& (*list)();
    const char* text;
    bool contained;
};

class ContestRulesContains : public testing::TestWithParam<ContainsCase> {};

TEST_P(ContestRulesContains, Answers) {
    const ContainsCase& c = GetParam();
    EXPECT_EQ(c.list().Contains(c.text), c.contained);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContestRulesContains,
    testing::Values(ContainsCase{"Band20m", &ValidBands, "20m", true},
                    ContainsCase{"Band20MIgnoresCase", &ValidBands, "20M", true},
                    ContainsCase{"Band80m", &ValidBands, "80m", true},
                    ContainsCase{"Band10m", &ValidBands, "10m", true},
                    ContainsCase{"Band160mIsNotInContest", &ValidBands, "160m", false},
                    ContainsCase{"EmptyTextEqualsNoEntry", &ValidBands, "", false},
                    ContainsCase{"LeadingBlankIsNotTrimmed", &ValidBands, " 20m", false},
                    ContainsCase{"PartOfEntryIsNotEnough", &ValidBands, "20", false},
                    ContainsCase{"ModeRtty", &ValidModes, "RTTY", true},
                    ContainsCase{"ModeRttyLowerCase", &ValidModes, "rtty", true},
                    ContainsCase{"ModePsk", &ValidModes, "PSK", false},
                    ContainsCase{"ModeEmpty", &ValidModes, "", false}),
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
    int row;
};

class BandRowOf : public testing::TestWithParam<RowCase> {};

TEST_P(BandRowOf, UsesExactText) { EXPECT_EQ(BandRow(GetParam().band), GetParam().row); }

INSTANTIATE_TEST_SUITE_P(Table, BandRowOf,
                         testing::Values(RowCase{"Band160m", "160m", 0},
                                         RowCase{"Band10m", "10m", 5},
                                         RowCase{"UpperCaseHasNoRow", "20M", -1},
                                         RowCase{"EmptyHasNoRow", "", -1},
                                         RowCase{"UnknownBandHasNoRow", "6m", -1}),
                         CaseName());

}  // namespace
