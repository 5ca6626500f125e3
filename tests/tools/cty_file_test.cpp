#include "tools/cty_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"

namespace {

// A few entities in the usual layout, with the markers real files carry.
const char kCty[] =
    "Spain:                    14:  37:  EU:   40.32:     3.43:    -1.0:  EA:\n"
    "    AM,AN,AO,EA,EB,EC,ED,EE,EF,EG,EH,=EA4URE/P;\n"
    "Balearic Islands:         14:  37:  EU:   39.60:    -2.95:    -1.0:  EA6:\n"
    "    AM6,AN6,AO6,EA6,EB6,EC6,ED6,EE6,EF6,EG6,EH6,=EA1ABC;\n"
    "Canary Islands:           33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\n"
    "    AM8,AN8,AO8,EA8,EB8,EC8,ED8,EE8,EF8,EG8,EH8;\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    AA,K,N,W,=KL7ABC/W(4)[8],KH6(31)[61]<21.1/157.5>{OC}~10.0~;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    AH6,KH6,NH6,WH6;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,IW9;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,U,=R9ABC;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    R9,U9;\n";

class SmallCountryFile : public ::testing::Test {
  protected:
    cty::CountryFile file = cty::CountryFile::Parse(kCty);
};

struct LookupCase {
    const char* name;
    const char* call;
    const char* prefix;  // "" = unknown
};

class CountryLookup : public SmallCountryFile, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(CountryLookup, GivesPrimaryPrefix) {
    EXPECT_EQ(file.PrimaryPrefix(GetParam().call), GetParam().prefix) << GetParam().call;
}

// "UA9XX" stays European Russia: the file names R9 and U9 only, not UA9.
INSTANTIATE_TEST_SUITE_P(
    LongestPrefix, CountryLookup,
    ::testing::Values(LookupCase{"EA4URE", "EA4URE", "EA"}, LookupCase{"EA6XX", "EA6XX", "EA6"},
                      LookupCase{"LowerCase", "ea8bqm", "EA8"}, LookupCase{"EB8A", "EB8A", "EA8"},
                      LookupCase{"EA9", "EA9", "EA"}, LookupCase{"K4ABC", "K4ABC", "K"},
                      LookupCase{"NH6XX", "NH6XX", "KH6"}, LookupCase{"UA3AB", "UA3AB", "UA"},
                      LookupCase{"UA9XX", "UA9XX", "UA"}, LookupCase{"R9ABD", "R9ABD", "UA9"},
                      LookupCase{"IT9ABC", "IT9ABC", "IT9"}, LookupCase{"Unknown", "DL1ABC", ""},
                      LookupCase{"Empty", "", ""}, LookupCase{"Blanks", "   ", ""}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(ExactCallsFirst, CountryLookup,
                         ::testing::Values(LookupCase{"EA1ABC", "EA1ABC", "EA6"},
                                           LookupCase{"EA1ABD", "EA1ABD", "EA"},
                                           LookupCase{"EA4URE_P", "EA4URE/P", "EA"},
                                           LookupCase{"R9ABC", "R9ABC", "UA"},
                                           LookupCase{"KL7ABC_W", "KL7ABC/W", "K"}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(PortableCalls, CountryLookup,
                         ::testing::Values(LookupCase{"EA8_K4ABC", "EA8/K4ABC", "EA8"},
                                           LookupCase{"K4ABC_EA6", "K4ABC/EA6", "EA6"},
                                           LookupCase{"EA1ABC_P", "EA1ABC/P", "EA6"},
                                           LookupCase{"EA4XX_8", "EA4XX/8", "EA"}),
                         CaseName());

TEST_F(SmallCountryFile, ReadsEntityHeaderFields) {
    ASSERT_EQ(file.Entities().size(), 8u);
    EXPECT_EQ(file.SkippedBlocks(), 0);
    const cty::Entity& canary = file.Entities()[2];
    EXPECT_EQ(canary.name, "Canary Islands");
    EXPECT_EQ(canary.cqZone, 33);
    EXPECT_EQ(canary.ituZone, 36);
    EXPECT_EQ(canary.continent, "AF");
    EXPECT_DOUBLE_EQ(canary.latitude, 28.32);
    EXPECT_DOUBLE_EQ(canary.longitude, 15.85);
    EXPECT_DOUBLE_EQ(canary.utcOffset, 0.0);
    EXPECT_FALSE(canary.waeOnly);
    EXPECT_TRUE(file.Entities()[5].waeOnly);
    EXPECT_EQ(file.Entities()[5].primaryPrefix, "IT9");
}

// Override markers belong to the alias, not its text: "KH6(31)[61]<...>"
// under United States must still be the alias "KH6", the one that first
// claimed it wins over the later Hawaii entity.
TEST_F(SmallCountryFile, OverrideMarkersAreStripped) {
    EXPECT_EQ(file.PrimaryPrefix("KH6ABC"), "K");
    EXPECT_EQ(file.PrimaryPrefix("AH6ABC"), "KH6");
}

struct BrokenCase {
    const char* name;
    std::string text;
    std::size_t entities;
    int skipped;
};

class BrokenCountryFile : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenCountryFile, KeepsTheGoodBlocks) {
    cty::CountryFile file = cty::CountryFile::Parse(GetParam().text);
    EXPECT_EQ(file.Entities().size(), GetParam().entities);
    EXPECT_EQ(file.SkippedBlocks(), GetParam().skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Cty, BrokenCountryFile,
    ::testing::Values(
        BrokenCase{"Empty", "", 0, 0}, BrokenCase{"OnlySemicolons", ";;\n;", 0, 0},
        BrokenCase{"TooFewFields", "Spain: 14: 37: EU: EA,EB;", 0, 1},
        BrokenCase{"NoPrimaryPrefix", "X: 1: 1: EU: 0: 0: 0: :\n  XX;", 0, 1},
        BrokenCase{"NoFinalSemicolon", "Spain: 14: 37: EU: 40: 3: -1: EA:\n EA,EB", 1, 0},
        BrokenCase{"UnclosedMarker", "Spain: 14: 37: EU: 40: 3: -1: EA:\n EA(14,EB;", 1, 0},
        BrokenCase{"GarbageBetween",
                   std::string("\xFF\x01garbage;Spain: 14: 37: EU: 40: 3: -1: EA:\n EA;"), 1, 1}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
