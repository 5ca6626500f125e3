#include "contest/call_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace {

// The verdicts by their short names, so that each case of the tables below
// stays on a line or two.
constexpr CallVerdict kDupe = CallVerdict::kDupe;
constexpr CallVerdict kNothingNew = CallVerdict::kNothingNew;
constexpr CallVerdict kNewCountry = CallVerdict::kNewCountry;
constexpr CallVerdict kNewCallArea = CallVerdict::kNewCallArea;
constexpr CallVerdict kRefused = CallVerdict::kRefused;

struct VerdictCase {
    const char* name;
    std::vector<Qso> logged;
    Check check;
    CallVerdict verdict;
    const char* hostVersion = nullptr;  // the host's settings file names none
};

class CheckCallVerdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(CheckCallVerdict, Answers) {
    const VerdictCase& c = GetParam();
    PluginRig rig;
    c.hostVersion ? rig.ResetOnHost(c.hostVersion) : rig.Reset();
    for (const Qso& qso : c.logged) ASSERT_EQ(rig.plugin.AddData(qso), 1);
    EXPECT_EQ(rig.plugin.CheckCall(c.check), c.verdict);
}

Qso Ja(const std::string& call, const std::string& prefix) {
    return Qso(call).Country("JA").Prefix(prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Refusal, CheckCallVerdict,
    testing::Values(
        VerdictCase{"Band160mRefused", {}, Check("DL1A").Band("160m"), kRefused},
        VerdictCase{"Band160mFromHost219", {}, Check("DL1A").Band("160m"), kNothingNew, "2.19"},
        VerdictCase{"Band160mFromHost220", {}, Check("DL1A").Band("160m"), kNothingNew, "2.20"},
        VerdictCase{"Band160mFromHost221", {}, Check("DL1A").Band("160m"), kRefused, "2.21"},
        VerdictCase{"NoBandRefused", {}, Check("DL1A").NoBand(), kRefused},
        VerdictCase{"ModePskRefused", {}, Check("DL1A").Mode("PSK"), kRefused},
        VerdictCase{"ModeLowerCaseAllowed", {}, Check("DL1A").Mode("rtty"), kNewCountry},
        VerdictCase{"BandUpperCaseAllowed", {}, Check("DL1A").Band("20M"), kNewCountry},
        VerdictCase{"BandTextsDifferingInCaseOnlyPass",
                    {},
                    Check("DL1A").Band("20m").Band2("20M"),
                    kNewCountry},
        VerdictCase{"BandTextsDifferRefused", {}, Check("DL1A").Band("20m").Band2("40m"), kRefused},
        VerdictCase{"BandTextsDifferFromHost220",
                    {},
                    Check("DL1A").Band("20m").Band2("40m"),
                    kNothingNew,
                    "2.20"},
        VerdictCase{"EmptySecondBandRefused", {}, Check("DL1A").Band("20m").Band2(""), kRefused},
        VerdictCase{"SecondBandWithoutFirstIsInvalidBand",
                    {},
                    Check("DL1A").NoBand().Band2("20m"),
                    kRefused},
        VerdictCase{"RefusalComesBeforeEmptyCountry",
                    {},
                    Check("DL1A").Band("160m").Country(""),
                    kRefused}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Country, CheckCallVerdict,
    testing::Values(
        VerdictCase{"EmptyLogNewCountry", {}, Check("DL1A"), kNewCountry},
        VerdictCase{"EmptyCountryNothingNew", {}, Check("DL1A").Country(""), kNothingNew},
        VerdictCase{
            "EmptyCountryBeforeDupe", {Qso("DL1A")}, Check("DL1A").Country(""), kNothingNew},
        VerdictCase{"SameCallSameBandDupe", {Qso("DL1A")}, Check("DL1A"), kDupe},
        VerdictCase{"DupeIgnoresMode", {Qso("DL1A").Mode("rtty")}, Check("DL1A"), kDupe},
        VerdictCase{"DupeComparesCallCase", {Qso("DL1A")}, Check("dl1a"), kNothingNew},
        VerdictCase{
            "SameCallOtherBandJudgedAfresh", {Qso("DL1A")}, Check("DL1A").Band("40m"), kNewCountry},
        VerdictCase{"CountryWorkedOnBand", {Qso("DL1A")}, Check("DL2B"), kNothingNew},
        VerdictCase{
            "CountryWorkedOnOtherBandOnly", {Qso("DL1A").Band("40m")}, Check("DL2B"), kNewCountry},
        VerdictCase{"OtherCountryOnBand", {Qso("DL1A")}, Check("F5X").Country("F"), kNewCountry},
        VerdictCase{
            "BandTextComparedExactlyInLog", {Qso("DL1A").Band("20M")}, Check("DL2B"), kNewCountry}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(CallArea, CheckCallVerdict,
                         testing::Values(VerdictCase{"OtherJapaneseArea",
                                                     {Ja("JA1A", "JA1")},
                                                     Check("JA2B").Country("JA").Prefix("JA2"),
                                                     kNewCallArea},
                                         VerdictCase{"SameJapaneseArea",
                                                     {Ja("JA1A", "JA1")},
                                                     Check("JR1B").Country("JA").Prefix("JR1"),
                                                     kNothingNew},
                                         VerdictCase{"JapanesePrefixWithoutDigit",
                                                     {Ja("JA1A", "JA1")},
                                                     Check("JA2B").Country("JA").Prefix("JA"),
                                                     kNewCallArea},
                                         VerdictCase{
                                             "AreaOnOtherBandDoesNotCount",
                                             {Ja("JA1A", "JA1"), Ja("JA2A", "JA2").Band("40m")},
                                             Check("JA2B").Country("JA").Prefix("JA2"),
                                             kNewCallArea},
                                         VerdictCase{"CanadaNewThoughUsaSameDigit",
                                                     {Qso("K4A").Country("K").Prefix("K4")},
                                                     Check("VE4B").Country("VE").Prefix("VE4"),
                                                     kNewCountry},
                                         VerdictCase{"CanadianAreaNotMatchedByUsaArea",
                                                     {Qso("K4A").Country("K").Prefix("K4"),
                                                      Qso("VE3A").Country("VE").Prefix("VE3")},
                                                     Check("VE4B").Country("VE").Prefix("VE4"),
                                                     kNewCallArea},
                                         VerdictCase{"AustralianAreaWorked",
                                                     {Qso("VK2A").Country("VK").Prefix("VK2")},
                                                     Check("VK2B").Country("VK").Prefix("VK2"),
                                                     kNothingNew},
                                         VerdictCase{"UsaFromWPrefix",
                                                     {Qso("K1A").Country("K").Prefix("K1")},
                                                     Check("W1B").Country("K").Prefix("W1"),
                                                     kNothingNew}),
                         CaseName());

// Call area 9 is the last of the ten: it must neither fall off the end nor
// be taken for area 0 or 8.  Each case runs for K, VE, JA and VK.
struct AreaCountry {
    const char* name;
    const char* country;
    const char* stem;  // the call and its prefix start with it
};

struct AreaWorked {
    const char* band;
    char digit;
};

struct AreaNineCase {
    const char* name;
    std::vector<AreaWorked> logged;  // the country's stations worked before
    const char* band;
    char digit;
    CallVerdict verdict;
};

// A failing case names itself instead of printing its bytes.
void PrintTo(const AreaCountry& c, std::ostream* out) { *out << c.name; }
void PrintTo(const AreaNineCase& c, std::ostream* out) { *out << c.name; }

class CheckCallAreaNine : public testing::TestWithParam<std::tuple<AreaCountry, AreaNineCase>> {};

TEST_P(CheckCallAreaNine, Answers) {
    const AreaCountry& country = std::get<0>(GetParam());
    const AreaNineCase& c = std::get<1>(GetParam());
    PluginRig rig;
    rig.Reset();
    char suffix = 'A';
    for (const AreaWorked& w : c.logged) {
        const std::string prefix = country.stem + std::string(1, w.digit);
        ASSERT_EQ(rig.plugin.AddData(
                      Qso(prefix + suffix++).Country(country.country).Prefix(prefix).Band(w.band)),
                  1);
    }
    const std::string prefix = country.stem + std::string(1, c.digit);
    EXPECT_EQ(rig.plugin.CheckCall(
                  Check(prefix + "Z").Country(country.country).Prefix(prefix).Band(c.band)),
              c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckCallAreaNine,
    testing::Combine(
        testing::Values(AreaCountry{"Usa", "K", "W"}, AreaCountry{"Canada", "VE", "VE"},
                        AreaCountry{"Japan", "JA", "JA"}, AreaCountry{"Australia", "VK", "VK"}),
        testing::Values(
            AreaNineCase{"NineWorkedOnBand", {{"20m", '9'}}, "20m", '9', kNothingNew},
            AreaNineCase{"NineWorkedAmongOthers",
                         {{"20m", '0'}, {"20m", '8'}, {"20m", '9'}, {"20m", '1'}},
                         "20m",
                         '9',
                         kNothingNew},
            AreaNineCase{"NineBesideZero", {{"20m", '0'}}, "20m", '9', kNewCallArea},
            AreaNineCase{"ZeroBesideNine", {{"20m", '9'}}, "20m", '0', kNewCallArea},
            AreaNineCase{"NineBesideEight", {{"20m", '8'}}, "20m", '9', kNewCallArea},
            AreaNineCase{
                "NineOnOtherBandOnly", {{"40m", '9'}, {"20m", '1'}}, "20m", '9', kNewCallArea},
            AreaNineCase{"NineOnFreshBand", {{"40m", '9'}}, "20m", '9', kNewCountry})),
    [](const testing::TestParamInfo<CheckCallAreaNine::ParamType>& param) {
        return std::string(std::get<0>(param.param).name) + std::get<1>(param.param).name;
    });

// A reset empties the log; nothing of the log before it may show in the
// verdicts after it.
struct AfterResetCase {
    const char* name;
    std::vector<Qso> before;  // logged, then the reset
    std::vector<Qso> after;   // logged after the reset
    Check check;
    CallVerdict verdict;
};

void PrintTo(const AfterResetCase& c, std::ostream* out) { *out << c.name; }

class CheckCallAfterReset : public testing::TestWithParam<AfterResetCase> {};

TEST_P(CheckCallAfterReset, IgnoresLogBeforeReset) {
    const AfterResetCase& c = GetParam();
    PluginRig rig;
    rig.Reset();
    for (const Qso& qso : c.before) ASSERT_EQ(rig.plugin.AddData(qso), 1);
    rig.Reset();
    for (const Qso& qso : c.after) ASSERT_EQ(rig.plugin.AddData(qso), 1);
    EXPECT_EQ(rig.plugin.CheckCall(c.check), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckCallAfterReset,
    testing::Values(
        AfterResetCase{"SameCallNoLongerDupe", {Qso("DL1A")}, {}, Check("DL1A"), kNewCountry},
        AfterResetCase{"CountryNewAgain",
                       {Qso("UA1A").Country("UA").Prefix("UA1")},
                       {},
                       Check("UA3B").Country("UA").Prefix("UA3"),
                       kNewCountry},
        AfterResetCase{"CountryNewAgainBesideOther",
                       {Qso("UA1A").Country("UA").Prefix("UA1"), Qso("DL1A")},
                       {Qso("DL2B")},
                       Check("UA3B").Country("UA").Prefix("UA3"),
                       kNewCountry},
        AfterResetCase{"JapaneseAreaNewAgain",
                       {Ja("JA1A", "JA1")},
                       {Ja("JA2B", "JA2")},
                       Check("JA1A").Country("JA").Prefix("JA1"),
                       kNewCallArea},
        AfterResetCase{"JapaneseCountryNewAgain",
                       {Ja("JA1A", "JA1"), Ja("JA2B", "JA2")},
                       {},
                       Check("JA1A").Country("JA").Prefix("JA1"),
                       kNewCountry},
        AfterResetCase{"UsaAreaNineNewAgain",
                       {Qso("W9A").Country("K").Prefix("W9")},
                       {Qso("W1B").Country("K").Prefix("W1")},
                       Check("W9A").Country("K").Prefix("W9"),
                       kNewCallArea},
        AfterResetCase{"HqNoLongerFirstOnBand",
                       {Qso("EA1A").Spanish("EA", "HQ")},
                       {Qso("EA2B").Spanish("EA", "M")},
                       Check("EA4URE").Country("EA"),
                       kNewCountry},
        AfterResetCase{"LogAfterResetCounts",
                       {Qso("UA1A").Country("UA").Prefix("UA1")},
                       {Qso("UA1A").Country("UA").Prefix("UA1")},
                       Check("UA1A").Country("UA").Prefix("UA1"),
                       kDupe}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Headquarters, CheckCallVerdict,
    testing::Values(VerdictCase{"NoQsoOnBand", {}, Check("EA4URE").Country("EA"), kNewCountry},
                    VerdictCase{"FirstQsoOnBandNotHq",
                                {Qso("EA1A").Spanish("EA", "M"), Qso("EA2B").Spanish("EA", "HQ")},
                                Check("EA4URE").Country("EA"),
                                kNewCountry},
                    VerdictCase{"FirstQsoOnBandHq",
                                {Qso("EA1A").Spanish("EA", "HQ")},
                                Check("EA4URE").Country("EA"),
                                kNothingNew},
                    VerdictCase{"FirstQsoHqButCountryNew",
                                {Qso("EA8A").Spanish("EA8", "HQ")},
                                Check("EA4URE").Country("EA"),
                                kNewCountry},
                    VerdictCase{"HqWorkedIsDupe",
                                {Qso("EA4URE").Spanish("EA", "HQ")},
                                Check("EA4URE").Country("EA"),
                                kDupe},
                    VerdictCase{"FirstQsoOnOtherBandIgnored",
                                {Qso("EA1A").Spanish("EA", "M").Band("40m"),
                                 Qso("EA2B").Spanish("EA", "HQ")},
                                Check("EA4URE").Country("EA"),
                                kNothingNew}),
    CaseName());

TEST(CheckCall, NeverChangesTheLog) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.CheckCall(Check("DL2B"));
    rig.plugin.CheckCall(Check("DL1A"));
    EXPECT_EQ(rig.State().g_log.GetCount(), 1);
    EXPECT_EQ(rig.BadQsoContent(), "KOLVEX TEST UBN file \r\n");
}

// Without a setup window the refresh stays asked for; with one, the first
// check posts it and the next post waits until the refresh re-arms.
TEST(CheckCallRefresh, PostsOnceToRunningWindowUntilRefreshRearms) {
    PluginRig rig;
    rig.plugin.CheckCall(Check("DL1A"));
    EXPECT_EQ(rig.env.refreshesPosted, 0);
    rig.env.setupRunning = true;
    rig.plugin.CheckCall(Check("DL1A"));
    rig.plugin.CheckCall(Check("DL1AB"));
    EXPECT_EQ(rig.env.refreshesPosted, 1);
    rig.plugin.Shared().RearmRefresh();  // the refresh ends its pass
    rig.plugin.CheckCall(Check("DL1ABC"));
    EXPECT_EQ(rig.env.refreshesPosted, 2);
}

TEST(CheckCallRefresh, PostsAlsoForRefusedCall) {
    PluginRig rig;
    rig.env.setupRunning = true;
    EXPECT_EQ(rig.plugin.CheckCall(Check("DL1A").Band("160m")), kRefused);
    EXPECT_EQ(rig.env.refreshesPosted, 1);
}

struct ExchangeCase {
    const char* name;
    const char* exchange;
    const char* call;
    const char* country;
    int valid;
};

class ExchangeCheck : public testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeCheck, Answers) {
    const ExchangeCase& c = GetParam();
    PluginRig rig;
    EXPECT_EQ(rig.plugin.IsValidExchg(c.exchange, c.call, c.country), c.valid);
}

INSTANTIATE_TEST_SUITE_P(Foreign, ExchangeCheck,
                         testing::Values(ExchangeCase{"FourDigits", "1234", "DL1A", "DL", 1},
                                         ExchangeCase{"OneDigit", "7", "DL1A", "DL", 1},
                                         ExchangeCase{"FiveDigits", "12345", "DL1A", "DL", 0},
                                         ExchangeCase{"Report599", "599", "DL1A", "DL", 0},
                                         ExchangeCase{"LeadingZero599", "0599", "DL1A", "DL", 1},
                                         ExchangeCase{"Empty", "", "DL1A", "DL", 0},
                                         ExchangeCase{"LeadingBlank", " 12", "DL1A", "DL", 0},
                                         ExchangeCase{"Letters", "12a", "DL1A", "DL", 0},
                                         ExchangeCase{"Province", "M", "DL1A", "DL", 0},
                                         ExchangeCase{"LowerCaseEaIsForeign", "12", "EA1A", "ea",
                                                      1},
                                         ExchangeCase{"HighBytes", "\xB9\xB2", "DL1A", "DL", 0}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(
    Spanish, ExchangeCheck,
    testing::Values(ExchangeCase{"BlanksTrimmed", " M ", "EA1A", "EA", 1},
                    ExchangeCase{"ControlBlanksTrimmed", "\tTF\r\n", "EA8A", "EA8", 1},
                    ExchangeCase{"LowerCaseRefused", "m", "EA1A", "EA", 0},
                    ExchangeCase{"HqFromAnySpanishStation", "HQ", "EA1A", "EA", 1},
                    ExchangeCase{"Unknown", "XX", "EA1A", "EA", 0},
                    ExchangeCase{"Number", "12", "EA6A", "EA6", 0},
                    ExchangeCase{"Empty", "", "EA9A", "EA9", 0}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Headquarters, ExchangeCheck,
                         testing::Values(ExchangeCase{"Hq", "HQ", "EA4URE", "EA", 1},
                                         ExchangeCase{"LowerCaseRefused", "hq", "EA4URE", "EA", 0},
                                         ExchangeCase{"BlankTrimmed", " HQ", "EA4URE", "EA", 1},
                                         ExchangeCase{"ProvinceRefused", "M", "EA4URE", "EA", 0},
                                         ExchangeCase{"RuleHoldsForAnyCountry", "12", "EA4URE",
                                                      "DL", 0}),
                         CaseName());

}  // namespace
