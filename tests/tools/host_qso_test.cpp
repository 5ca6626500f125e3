#include "tools/host_qso.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kCty[] =
    "Spain: 14: 37: EU: 40.32: 3.43: -1.0: EA:\n    AM,AN,AO,EA,EB,EC,ED,EE,EF,EG,EH;\n"
    "Canary Islands: 33: 36: AF: 28.32: 15.85: 0.0: EA8:\n    EA8,EB8,EC8;\n"
    "United States: 05: 08: NA: 37.53: 91.67: 5.0: K:\n    AA,K,N,W;\n";

host::Qso FromAdif(const std::string& text, bool withCty, bool rawBand = false) {
    static const cty::CountryFile countries = cty::CountryFile::Parse(kCty);
    adif::Document doc = adif::Parse(text);
    EXPECT_EQ(doc.records.size(), 1u);
    host::QsoSourceOptions options;
    options.countries = withCty ? &countries : nullptr;
    options.rawBand = rawBand;
    return host::QsoFromRecord(doc.records.at(0), options);
}

TEST(QsoFromRecord, TakesEveryFieldTheHostPasses) {
    host::Qso q = FromAdif(
        "<CALL:6>EA8BQM<BAND:3>20M<MODE:4>RTTY<QSO_DATE:8>20170212<TIME_ON:4>1405"
        "<FREQ:6>14.085<RST_SENT:3>599<RST_RCVD:3>589<STX:2>17<SRX_STRING:3> tf<EOR>",
        true);
    EXPECT_EQ(q.call, "EA8BQM");
    EXPECT_EQ(q.band, "20m");
    EXPECT_EQ(q.mode, "RTTY");
    EXPECT_EQ(q.time.status, host::OleDate::valid);
    EXPECT_NEAR(q.time.value, 42778.0 + 845.0 / 1440.0, 1e-9);
    EXPECT_EQ(q.freqHz, 14085000u);
    EXPECT_EQ(q.rstSent, "599");
    EXPECT_EQ(q.rstReceived, "589");
    EXPECT_EQ(q.exchSent, "17");
    EXPECT_EQ(q.exchReceived, " tf");  // passed as logged: the plug-in judges it
    EXPECT_EQ(q.callPrefix, "EA8");
    EXPECT_EQ(q.country, "EA8");
}

struct ChoiceCase {
    const char* name;
    std::string adif;
    bool withCty;
    const char* exchSent;
    const char* exchReceived;
    const char* callPrefix;
    const char* country;
    const char* band;
};

class FieldChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(FieldChoice, PrefersExplicitFields) {
    const ChoiceCase& c = GetParam();
    host::Qso q = FromAdif(c.adif, c.withCty);
    EXPECT_EQ(q.exchSent, c.exchSent);
    EXPECT_EQ(q.exchReceived, c.exchReceived);
    EXPECT_EQ(q.callPrefix, c.callPrefix);
    EXPECT_EQ(q.country, c.country);
    EXPECT_EQ(q.band, c.band);
}

INSTANTIATE_TEST_SUITE_P(
    Host, FieldChoice,
    ::testing::Values(
        ChoiceCase{"StringFieldsBeatNumbers",
                   "<CALL:5>K4ABC<STX:1>5<STX_STRING:3>005<SRX:2>12<SRX_STRING:3>012<EOR>", true,
                   "005", "012", "K4", "K", ""},
        ChoiceCase{"NumbersWhenNoStrings", "<CALL:5>K4ABC<STX:1>5<SRX:2>12<EOR>", true, "5", "12",
                   "K4", "K", ""},
        ChoiceCase{"PfxAndAppFieldWin",
                   "<CALL:5>K4ABC<PFX:2>W4<APP_KOLVEX_CTY:2>XX<BAND:3>40m<EOR>", true, "", "", "W4",
                   "XX", "40m"},
        ChoiceCase{"EmptyAppFieldIsStillGiven", "<CALL:5>K4ABC<APP_KOLVEX_CTY:0><EOR>", true, "",
                   "", "K4", "", ""},
        ChoiceCase{"NoCtyNoCountry", "<CALL:5>K4ABC<EOR>", false, "", "", "K4", "", ""},
        ChoiceCase{"UnknownCallNoCountry", "<CALL:6>DL1ABC<EOR>", true, "", "", "DL1", "", ""},
        ChoiceCase{"BandFromFrequency", "<CALL:5>K4ABC<FREQ:5>7.035<EOR>", true, "", "", "K4", "K",
                   "40m"},
        ChoiceCase{"BandBeatsFrequency", "<CALL:5>K4ABC<FREQ:5>7.035<BAND:4>160M<EOR>", true, "",
                   "", "K4", "K", "160m"},
        ChoiceCase{"PortableCall", "<CALL:9>EA8/K4ABC<EOR>", true, "", "", "EA8", "EA8", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(QsoFromRecord, RawBandKeepsLoggedText) {
    EXPECT_EQ(FromAdif("<CALL:2>K1<BAND:3>20M<EOR>", false, true).band, "20M");
}

TEST(QsoFromRecord, MissingDateIsNull) {
    EXPECT_EQ(FromAdif("<CALL:2>K1<TIME_ON:4>1405<EOR>", false).time.status, host::OleDate::null);
}

}  // namespace
