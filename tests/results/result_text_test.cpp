#include "results/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "results/score.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"
#include "tests/support/result_log.h"

namespace {

const std::string kHead =
    "   \t\tKOLVEX CONTEST 15.04-16.04.2017 \r\n\t\t\tContestant: DL1OWN\r\n"
    "\tQSOs\tPoints\tEADX100\tProv\tJA\tW\tVE\tVK\tiMults\r\n";

std::string Footer(const std::string& figures) { return figures + kCreditLine; }

TEST(ResultText, EmptyLogGivesHeadsTotalsAndZeroRates) {
    PluginRig rig;
    rig.Reset();
    EXPECT_EQ(rig.Result(),
              kHead + Footer("Total\t 0\t  0\t   0\t  0\t0\t0\t0\t0\t  0\r\n"
                             "\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\nScore: 0*0 = 0\r\n\t\t\tRate\r\n"
                             "Hourly (10min) QSO rate:     0 (0) QSOs/hour\r\n"
                             "Hourly (10min) pts rate:     0 (0) points/hour\r\n\r\n"
                             "Last QSO: 0 points\r\n\r\n"));
}

TEST(ResultText, ResultLogGolden) {
    PluginRig rig;
    rig.Reset();
    FillResultLog(rig.plugin);
    EXPECT_EQ(rig.Result(),
              kHead + Footer("40m\t 13\t  21\t   6\t  4\t2\t3\t0\t0\t  15\r\n"
                             "20m\t 7\t  13\t   4\t  3\t0\t2\t1\t0\t  10\r\n"
                             "10m\t 0\t  0\t   0\t  0\t0\t0\t0\t0\t  0\r\n"
                             "Total\t 20\t  34\t   10\t  7\t2\t5\t1\t0\t  25\r\n"
                             "\r\nDupe\t 6\r\nBad QSO\t 9\r\n\r\nScore: 34*25 = 850\r\n"
                             "\t\t\tRate\r\n"
                             "Hourly (10min) QSO rate:     8 (24) QSOs/hour\r\n"
                             "Hourly (10min) pts rate:    12 (48) points/hour\r\n\r\n"
                             "Last QSO: 3 points\r\n\r\n"));
}

TEST(ResultText, ResultLogFillsBandRowLists) {
    PluginRig rig;
    rig.Reset();
    FillResultLog(rig.plugin);
    rig.Result();
    const PluginState& s = rig.State();
    using List = std::vector<std::string>;
    EXPECT_EQ(s.bandLists.g_bandMults[3], (List{"EA", "K", "K1", "K2", "VE", "VE1", "DL"}));
    EXPECT_EQ(s.bandLists.g_bandAreasK[3], (List{"K1", "K2"}));
    EXPECT_EQ(s.bandLists.g_bandAreasVE[3], List{"VE1"});
    EXPECT_EQ(s.bandLists.g_bandProvinces[3], (List{"M", "B", "V"}));
    EXPECT_EQ(s.bandLists.g_bandMults[2],
              (List{"EA", "K", "K2", "JA", "JA2", "DL", "K1", "K3", "JA1", "F", "I"}));
    EXPECT_EQ(s.bandLists.g_bandAreasJA[2], (List{"JA2", "JA1"}));
    EXPECT_EQ(s.bandLists.g_bandProvinces[2], (List{"M", "B", "V", "TF"}));
    EXPECT_TRUE(s.bandLists.g_bandMults[5].empty());
}

TEST(ResultText, KeepsScoreForExport) {
    PluginRig rig;
    rig.Reset();
    FillResultLog(rig.plugin);
    rig.Result();
    EXPECT_EQ(rig.State().g_score, 850);
}

TEST(ResultText, BandRowsInDescendingPaddedOrder) {
    PluginRig rig;
    rig.Reset();
    for (const char* band : {"10m", "80m", "20M", "20m", "40m"}) {
        rig.plugin.AddData(Qso("DL1A").Band(band).Mode("PSK"));
    }
    const std::string result = rig.Result();
    std::vector<size_t> at;
    for (const char* row : {"\r\n80m\t", "\r\n40m\t", "\r\n20m\t", "\r\n20M\t", "\r\n10m\t"}) {
        at.push_back(result.find(row));
        ASSERT_NE(at.back(), std::string::npos) << row;
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
    EXPECT_EQ(rig.State().g_workedBands,
              (std::vector<std::string>{"80m", "40m", "20m", "20M", "10m"}));
}

struct PointsCase {
    const char* name;
    const char* own;
    const char* worked;
    int points;
};

class QsoPointsOf : public testing::TestWithParam<PointsCase> {};

TEST_P(QsoPointsOf, FollowsTable) {
    EXPECT_EQ(QsoPoints(GetParam().own, GetParam().worked), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Table, QsoPointsOf,
                         testing::Values(PointsCase{"SpainWorksCanaries", "EA", "EA8", 2},
                                         PointsCase{"CeutaWorksSpain", "EA9", "EA", 2},
                                         PointsCase{"SpainWorksGermany", "EA", "DL", 1},
                                         PointsCase{"GermanyWorksSpain", "DL", "EA", 3},
                                         PointsCase{"GermanyWorksBaleares", "DL", "EA6", 3},
                                         PointsCase{"GermanyWorksJapan", "DL", "JA", 1},
                                         PointsCase{"LowerCaseIsNotSpain", "DL", "ea", 1},
                                         PointsCase{"NoOwnCountry", "", "EA", 3}),
                         CaseName());

TEST(ResultText, SpanishOperatorScoresTwoPerSpanishQso) {
    PluginRig rig;
    rig.Reset(ContestReset("EA1OWN", "EA"));
    rig.plugin.AddData(Qso("EA8A").Spanish("EA8", "TF"));
    EXPECT_NE(rig.Result().find("Last QSO: 2 points\r\n"), std::string::npos);
}

// A log and lines its result holds.
struct LinesCase {
    const char* name;
    std::vector<QsoArgs> log;
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }

class ResultLines : public testing::TestWithParam<LinesCase> {};

TEST_P(ResultLines, HoldEachLine) {
    PluginRig rig;
    rig.Reset();
    for (const QsoArgs& q : GetParam().log) rig.plugin.AddData(q);
    const std::string result = rig.Result();
    for (const std::string& line : GetParam().lines)
        EXPECT_NE(result.find(line), std::string::npos) << line;
}

const char* const kOneOnTwenty = "20m\t 1\t  1\t   1\t  0\t0\t0\t0\t0\t  1\r\n";
const char* const kNothingOnTwenty = "20m\t 0\t  0\t   0\t  0\t0\t0\t0\t0\t  0\r\n";
INSTANTIATE_TEST_SUITE_P(
    Table, ResultLines,
    testing::Values(
        LinesCase{"CountryCountsOncePerBand",
                  {Qso("DL1A"), Qso("DL2B"), Qso("DL1A").Band("40m")},
                  {"40m\t 1\t  1\t   1\t  0\t0\t0\t0\t0\t  1\r\n",
                   "20m\t 2\t  2\t   1\t  0\t0\t0\t0\t0\t  1\r\n", "Score: 3*2 = 6\r\n"}},
        LinesCase{"DupeAddsToDupeFigureOnly",
                  {Qso("DL1A"), Qso("DL1A")},
                  {kOneOnTwenty, "\r\nDupe\t 1\r\n"}},
        LinesCase{
            "BadProvinceCountsNothing", {Qso("EA1A").Spanish("EA", "XX")}, {kNothingOnTwenty}},
        // The second a dupe, and still not counted.
        LinesCase{"QsoWithEmptyCallCountsNothing",
                  {Qso(""), Qso("")},
                  {kNothingOnTwenty, "\r\nDupe\t 0\r\n"}},
        LinesCase{"EmptyCountryIsAnEntity", {Qso("X1A").Country("")}, {kOneOnTwenty}},
        LinesCase{"OnlyLastQsosBandCountsInTheRates",
                  {Qso("DL1A").Band("40m").Spanish("EA", "M").Time(QsoTime()),
                   Qso("DL2B").Time(QsoTime())},
                  {"QSO rate:     1 (6) QSOs/hour", "Last QSO: 1 points"}}),
    CaseName());

TEST(ResultText, SameDigitInUsaAndCanadaCountsInBothColumns) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("K4A").Country("K").Prefix("K4"));
    rig.plugin.AddData(Qso("VE4A").Country("VE").Prefix("VE4"));
    rig.plugin.AddData(Qso("W4B").Country("K").Prefix("W4"));
    EXPECT_NE(rig.Result().find("20m\t 3\t  3\t   2\t  0\t0\t1\t1\t0\t  4\r\n"), std::string::npos);
    EXPECT_EQ(rig.State().bandLists.g_bandMults[3],
              (std::vector<std::string>{"K", "K4", "VE", "VE4"}));
}

// ---- Rates ----

struct RateCase {
    const char* name;
    double secondsBefore;  // of the first QSO, before the last one
    const char* qsoRate;
};

class ResultRate : public testing::TestWithParam<RateCase> {};

TEST_P(ResultRate, CountsQsoInWindowsRoundedToSecond) {
    const RateCase& c = GetParam();
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A").Time(Later(QsoTime(), -c.secondsBefore)));
    rig.plugin.AddData(Qso("DL2B").Time(QsoTime()));
    const std::string line =
        std::string("Hourly (10min) QSO rate: ") + c.qsoRate + " QSOs/hour\r\n";
    EXPECT_NE(rig.Result().find(line), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ResultRate,
    testing::Values(RateCase{"TenMinutesLessPointSixCounts", 9 * 60 + 59.4, "    2 (12)"},
                    RateCase{"TenMinutesLessPointFourDoesNot", 9 * 60 + 59.6, "    2 (6)"},
                    RateCase{"HourLessPointSixCounts", 59 * 60 + 59.4, "    2 (6)"},
                    RateCase{"HourLessPointFourDoesNot", 59 * 60 + 59.6, "    1 (6)"},
                    RateCase{"LaterThanLastCountsInBoth", -3600.0 * 5, "    2 (12)"}),
    CaseName());

TEST(ResultRate, SevenInTenMinutesThirtyInHour) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("DL0X").Band("40m").Time(QsoTime()));  // other band: not counted
    for (int i = 0; i < 30; ++i) {
        const int minutesBefore = i < 23 ? 55 - 2 * i : 6 - (i - 23);  // 55..11, then 6..0
        rig.plugin.AddData(Qso("DL" + std::to_string(i) + "A")
                               .Spanish("EA", "M")
                               .Time(Later(QsoTime(), -60.0 * minutesBefore)));
    }
    const std::string result = rig.Result();
    EXPECT_NE(result.find("Hourly (10min) QSO rate:    30 (42) QSOs/hour\r\n"), std::string::npos);
    EXPECT_NE(result.find("Hourly (10min) pts rate:    90 (126) points/hour\r\n"),
              std::string::npos);
    EXPECT_NE(result.find("Last QSO: 3 points\r\n"), std::string::npos);
}

// ---- Rejected count ----

struct RejectedCase {
    const char* name;
    const char* file;  // nullptr: no file
    int dupes;
    int shown;
};

class ResultRejected : public testing::TestWithParam<RejectedCase> {};

TEST_P(ResultRejected, IsLinesLessDupesLessHeader) {
    const RejectedCase& c = GetParam();
    PluginRig rig;
    rig.Reset();
    for (int i = 0; i <= c.dupes; ++i) rig.plugin.AddData(Qso("DL1A"));
    std::remove(kBadQsoFile);
    if (c.file != nullptr) TempFolder::Write(kBadQsoFile, c.file);
    const std::string line = "\r\nBad QSO\t " + std::to_string(c.shown) + "\r\n";
    EXPECT_NE(rig.Result().find(line), std::string::npos) << line;
}

const char* const kFourLines = "H\r\n1\r\n2\r\n3\r\n";
INSTANTIATE_TEST_SUITE_P(
    Table, ResultRejected,
    testing::Values(RejectedCase{"ThreeLinesTwoDupes", kFourLines, 2, 1},
                    RejectedCase{"ThreeLinesFiveDupes", kFourLines, 5, 0},
                    RejectedCase{"ThreeLinesNoDupes", kFourLines, 0, 3},
                    RejectedCase{"HeaderOnly", "H\r\n", 0, 0},
                    RejectedCase{"LastLineWithoutLineEnd", "H\r\n1\r\n2", 0, 2},
                    RejectedCase{"EmptyFile", "", 0, 0}, RejectedCase{"NoFile", nullptr, 0, 0},
                    RejectedCase{"NoFileWithDupes", nullptr, 3, 0}),
    CaseName());

// ---- Side effects ----

TEST(ResultText, RefillsRowsOfReportedBandsOnly) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.AddData(Qso("DL2A").Band("20M"));
    PluginState& s = rig.State();
    s.bandLists.g_bandMults[3] = {"OLD"};
    s.bandLists.g_bandProvinces[3] = {"OLD"};
    s.bandLists.g_bandMults[1] = {"OLD80"};
    s.bandLists.g_bandMults[0] = {"OLD160"};
    rig.Result();
    rig.Result();
    EXPECT_EQ(s.bandLists.g_bandMults[3], std::vector<std::string>{"DL"});
    EXPECT_TRUE(s.bandLists.g_bandProvinces[3].empty());
    EXPECT_EQ(s.bandLists.g_bandMults[1], std::vector<std::string>{"OLD80"});
    EXPECT_EQ(s.bandLists.g_bandMults[0], std::vector<std::string>{"OLD160"});
}

TEST(ResultText, WritesClaimedOnlyWhenScoreChanges) {
    PluginRig rig;
    rig.Reset();
    const size_t afterReset = rig.profile.writes.size();
    rig.Result();
    EXPECT_EQ(rig.profile.values["Claimed"], "0");
    EXPECT_EQ(rig.profile.writes.size(), afterReset + 1);
    rig.Result();
    EXPECT_EQ(rig.profile.writes.size(), afterReset + 1);
    rig.plugin.AddData(Qso("DL1A"));
    rig.Result();
    EXPECT_EQ(rig.profile.values["Claimed"], "1");
    EXPECT_EQ(rig.profile.writes.size(), afterReset + 2);
}

TEST(ResultText, AnswersOwnText) {
    PluginRig rig;
    rig.Reset();
    const char* text = rig.plugin.GetResult();
    EXPECT_EQ(text, rig.State().g_resultText.c_str());
}

TEST(ResultText, BeforeAnyResetShowsEmptyTitle) {
    PluginRig rig;
    rig.plugin.AddData(Qso("DL1A"));
    const std::string result = rig.Result();
    EXPECT_EQ(result.rfind("   \t\tKOLVEX CONTEST - \r\n\t\t\tContestant: \r\n", 0), 0u);
    EXPECT_NE(result.find("\r\nBad QSO\t 0\r\n"), std::string::npos);
}

TEST(ResultText, ResetEmptiesResult) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A"));
    rig.Reset();
    EXPECT_NE(rig.Result().find(kHead + "Total\t 0\t  0\t"), std::string::npos);
}

}  // namespace
