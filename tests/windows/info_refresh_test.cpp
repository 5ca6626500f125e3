// The refresh pass against a scripted host: what reaches the previous-QSO
// rows, the titles and the map lists, when the host is told the dial moved,
// and that every pass leaves the call check free to ask again.
#include "windows/info_refresh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "contest/contest_rules.h"
#include "plugin/shared_state.h"
#include "tests/support/case_name.h"
#include "tests/support/qso_builder.h"
#include "tests/support/row_fields.h"
#include "tests/windows/fake_host_link.h"
#include "windows/prev_qso_rows.h"

namespace {

using Row = std::vector<std::string>;
using Fail = FakeHostLink::Fail;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const char* const kDash = "   -";

struct Rig {
    PluginState state;
    SharedState shared{state};
    RefreshState refresh;
    FakeHostLink host;

    Rig() {
        state.g_contestYear = "2017";
        StartRows(state.g_prevQsoRows);
    }
    // One pass after the call check has taken the token.
    RefreshView Pass() {
        state.g_refreshPending = 0;
        return RunRefreshPass(shared, refresh, host);
    }
    const PrevQsoRow& RowOf(int band) const {
        return state.g_prevQsoRows[static_cast<size_t>(band)];
    }
};

// ---- How far a pass goes ----

struct PassCase {
    std::string name;
    bool connected;
    std::string call;
    double dialHz;
    Fail fail;
    bool rowsUpdated;
    bool bandKnown;
    int macros;
    int dialReads;
};

class RefreshPass : public testing::TestWithParam<PassCase> {};

TEST_P(RefreshPass, StopsWhereItMustAndAlwaysSetsTheToken) {
    const PassCase& c = GetParam();
    Rig rig;
    rig.host.connected = c.connected;
    rig.host.call = c.call;
    rig.host.dialHz = c.dialHz;
    rig.host.fail = c.fail;
    const RefreshView view = rig.Pass();

    EXPECT_EQ(rig.state.g_refreshPending, 1);
    EXPECT_EQ(view.rowsUpdated, c.rowsUpdated);
    EXPECT_EQ(view.bandKnown, c.bandKnown);
    EXPECT_EQ(rig.host.macros.size(), static_cast<std::size_t>(c.macros));
    EXPECT_EQ(rig.host.dialReads, c.dialReads);
    EXPECT_EQ(rig.refresh.currentBand, c.bandKnown ? 3 : -1);
    EXPECT_EQ(rig.refresh.shownBand, c.bandKnown ? 3 : kNoBandShown);
    EXPECT_EQ(!view.prevQsoTitle.empty(), c.rowsUpdated);
    EXPECT_EQ(!view.provinceTitle.empty(), c.bandKnown);
    EXPECT_EQ(rig.RowOf(3).mode, c.rowsUpdated ? kDash : "-");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefreshPass,
    testing::Values(
        PassCase{"NoHost", false, "DL1ABC", 14085000, Fail::kNone, false, false, 0, 0},
        PassCase{"OneCharCall", true, "D", 14085000, Fail::kNone, false, false, 0, 0},
        PassCase{"TwoCharCall", true, "EA", 14085000, Fail::kNone, false, false, 0, 0},
        PassCase{"CallReadFails", true, "DL1ABC", 14085000, Fail::kCall, false, false, 0, 0},
        PassCase{"DialReadFails", true, "DL1ABC", 14085000, Fail::kDial, true, false, 0, 1},
        PassCase{"MacroFails", true, "DL1ABC", 14085000, Fail::kMacro, true, false, 0, 1},
        PassCase{"InfiniteDial", true, "DL1ABC", kInf, Fail::kNone, true, false, 0, 1},
        PassCase{"MinusInfiniteDial", true, "DL1ABC", -kInf, Fail::kNone, true, false, 0, 1},
        PassCase{"NaNDialSendsNothing", true, "DL1ABC", kNaN, Fail::kNone, true, false, 0, 1},
        PassCase{"Dial29MHzOffBand", true, "DL1ABC", 29100000, Fail::kNone, true, false, 1, 1},
        PassCase{"NegativeDialOffBand", true, "DL1ABC", -14085000, Fail::kNone, true, false, 1, 1},
        PassCase{"ThreeCharCall", true, "K1A", 14085000, Fail::kNone, true, true, 1, 1},
        PassCase{"EmptyCall", true, "", 14085000, Fail::kNone, true, true, 1, 1}),
    CaseName());

// ---- The previous-QSO rows ----

struct RowCase {
    std::string name;
    std::vector<CInfo> log;
    std::string call;
    int band;
    PrevQsoRow expected;
};

class PrevQsoRowOfBand : public testing::TestWithParam<RowCase> {};

TEST_P(PrevQsoRowOfBand, ShowsTheNewestQsoOfTheBand) {
    const RowCase& c = GetParam();
    Rig rig;
    for (const CInfo& r : c.log) rig.state.g_log.Add(r);
    rig.host.call = c.call;
    rig.Pass();
    EXPECT_EQ(RowFieldsOf(rig.RowOf(c.band)), RowFieldsOf(c.expected));
}

const COleDateTime kInvalidTime(1.5, COleDateTime::invalid);
const COleDateTime kNullTime(0.0, COleDateTime::null);

INSTANTIATE_TEST_SUITE_P(
    Cases, PrevQsoRowOfBand,
    testing::Values(
        RowCase{"NeverWorked", {Qso("DL1ABC").Record()}, "F5XYZ", 3, {"20m", kDash, kDash, kDash}},
        RowCase{"NewestOf20mWins",
                {Qso("DL1ABC").Time(QsoTime(10, 5)).Mode("PSK").Exch("007").Record(),
                 Qso("DL1ABC").Time(QsoTime(12, 30)).Exch("123").Record()},
                "DL1ABC",
                3,
                {"20m", "RTTY", "12:30", "123"}},
        RowCase{"NewestInStoreOrderNotByTime",
                {Qso("DL1ABC").Time(QsoTime(12, 30)).Record(),
                 Qso("DL1ABC").Time(QsoTime(10, 5)).Record()},
                "DL1ABC",
                3,
                {"20m", "RTTY", "10:05", "012"}},
        RowCase{"OtherBandOwnRow",
                {Qso("DL1ABC").Band("40m").Time(QsoTime(9, 0)).Record(), Qso("DL1ABC").Record()},
                "DL1ABC",
                2,
                {"40m", "RTTY", "09:00", "012"}},
        RowCase{"Row0Is160mUnderItsLabel",
                {Qso("DL1ABC").Band("160m").Record()},
                "DL1ABC",
                0,
                {"160m", "RTTY", "14:05", "012"}},
        RowCase{"SpanishShowsProvince",
                {Qso("EA8ZZZ").Country("EA8").Exch("tf ").Record("TF")},
                "EA8ZZZ",
                3,
                {"20m", "RTTY", "14:05", "TF"}},
        RowCase{"SpanishWithoutProvinceShowsNothing",
                {Qso("EA1ZZZ").Country("EA").Exch("XX").Record("")},
                "EA1ZZZ",
                3,
                {"20m", "RTTY", "14:05", ""}},
        RowCase{"LowerCaseCountryShowsExchange",
                {Qso("EA1ZZZ").Country("ea").Exch("m").Record("M")},
                "EA1ZZZ",
                3,
                {"20m", "RTTY", "14:05", "m"}},
        RowCase{"InvalidTime",
                {Qso("DL1ABC").Time(kInvalidTime).Record()},
                "DL1ABC",
                3,
                {"20m", "RTTY", "Invalid DateTime", "012"}},
        RowCase{"NullTime",
                {Qso("DL1ABC").Time(kNullTime).Record()},
                "DL1ABC",
                3,
                {"20m", "RTTY", "", "012"}},
        RowCase{"CallComparedExactly",
                {Qso("DL1ABC").Record()},
                "dl1abc",
                3,
                {"20m", kDash, kDash, kDash}},
        RowCase{"BandComparedExactly",
                {Qso("DL1ABC").Band("20M").Record()},
                "DL1ABC",
                3,
                {"20m", kDash, kDash, kDash}},
        RowCase{
            "EmptyCallMatchesNothing", {Qso("").Record()}, "", 3, {"20m", kDash, kDash, kDash}}),
    CaseName());

TEST(PrevQsoRows, RemovedNewestGivesWayToTheOlder) {
    Rig rig;
    rig.state.g_log.Add(Qso("DL1ABC").Time(QsoTime(10, 5)).Record());
    rig.state.g_log.RemoveAt(rig.state.g_log.Add(Qso("DL1ABC").Time(QsoTime(12, 30)).Record()));
    rig.host.call = "DL1ABC";
    rig.Pass();
    EXPECT_EQ(rig.RowOf(3).time, "10:05");
}

TEST(PrevQsoRows, RowsWithoutResetKeepAnEmptyLabel) {
    Rig rig;
    rig.state.g_prevQsoRows = {};
    rig.state.g_log.Add(Qso("DL1ABC").Record());
    rig.host.call = "DL1ABC";
    rig.Pass();
    EXPECT_EQ(RowFieldsOf(rig.RowOf(3)), (RowFields{"", "RTTY", "14:05", "012"}));
}

// ---- "<SP1>" when the dial moved more than 300 Hz since it was last sent ----

struct DialCase {
    std::string name;
    std::vector<double> dials;     // one pass each
    std::vector<int> macrosAfter;  // macros sent so far, after each pass
    double lastDialHz;
};

class DialMoved : public testing::TestWithParam<DialCase> {};

TEST_P(DialMoved, SendsSp1OnlyBeyond300Hz) {
    const DialCase& c = GetParam();
    Rig rig;
    rig.host.call = "DL1ABC";
    for (std::size_t i = 0; i < c.dials.size(); ++i) {
        rig.host.dialHz = c.dials[i];
        rig.Pass();
        EXPECT_EQ(rig.host.macros.size(), static_cast<std::size_t>(c.macrosAfter[i])) << i;
    }
    for (const std::string& m : rig.host.macros) EXPECT_EQ(m, "<SP1>");
    EXPECT_EQ(rig.refresh.lastDialHz, c.lastDialHz);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialMoved,
    testing::Values(
        DialCase{
            "Exactly300WaitsThen301Sends", {14000000, 14000300, 14000301}, {1, 1, 2}, 14000301},
        DialCase{"SmallStepsAddUp", {14000000, 14000200, 14000400}, {1, 1, 2}, 14000400},
        DialCase{"FirstPassFromZero300", {300}, {0}, 0},
        DialCase{"FirstPassFromZero301", {301}, {1}, 301},
        DialCase{"NaNLeavesTheLastSent", {14000000, kNaN, 14000301}, {1, 1, 2}, 14000301},
        DialCase{"InfinityLeavesTheLastSent", {14000000, kInf, 14000200}, {1, 1, 1}, 14000000},
        DialCase{"NegativeIsAFrequency", {-1000, -1200, -1301}, {1, 1, 2}, -1301}),
    CaseName());

TEST(DialMoved, FailedMacroIsTriedAgainNextPass) {
    Rig rig;
    rig.host.fail = Fail::kMacro;
    rig.Pass();
    EXPECT_EQ(rig.refresh.lastDialHz, 0.0);
    rig.host.fail = Fail::kNone;
    rig.Pass();
    EXPECT_EQ(rig.host.macros, std::vector<std::string>{"<SP1>"});
    EXPECT_EQ(rig.refresh.lastDialHz, 14085000.0);
}

// ---- Band of the dial ----

struct BandCase {
    std::string name;
    double hz;
    int band;
};

class DialBand : public testing::TestWithParam<BandCase> {};

TEST_P(DialBand, WholeMegahertzTruncated) { EXPECT_EQ(BandOfDial(GetParam().hz), GetParam().band); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DialBand,
    testing::Values(BandCase{"Start160", 1000000, 0}, BandCase{"Top160", 1999999.9, 0},
                    BandCase{"Mid80", 3580000, 1}, BandCase{"Mid40", 7040000, 2},
                    BandCase{"Mid20", 14085000, 3}, BandCase{"Mid15", 21080000, 4},
                    BandCase{"Mid10", 28080000, 5}, BandCase{"Top10", 28999999.9, 5},
                    BandCase{"Below20", 13999999.9, -1}, BandCase{"At29", 29100000, -1},
                    BandCase{"At2", 2000000, -1}, BandCase{"Zero", 0, -1},
                    BandCase{"BelowOne", 999999, -1}, BandCase{"Minus20", -14085000, -1},
                    BandCase{"MinusHalf", -500000, -1}, BandCase{"NaN", kNaN, -1},
                    BandCase{"Infinity", kInf, -1}, BandCase{"MinusInfinity", -kInf, -1},
                    BandCase{"Huge", 1e300, -1},
                    BandCase{"Largest", std::numeric_limits<double>::max(), -1}),
    CaseName());

// ---- The band's maps and titles ----

TEST(BandView, ProvinceTitleCountsTheBandsList) {
    Rig rig;
    rig.state.bandLists.g_bandProvinces[3] = {"M", "B", "HQ"};
    rig.state.bandLists.g_bandProvinces[2] = {"Z"};
    const RefreshView view = rig.Pass();
    EXPECT_EQ(view.provinceTitle, "EA Prov - worked on 20m 3 of 52");
    EXPECT_EQ(view.provinces, (Row{"M", "B", "HQ"}));
}

TEST(BandView, AllProvincesAndHqCount53) {
    Rig rig;
    for (int i = 0; i < 53; ++i)
        rig.state.bandLists.g_bandProvinces[3].push_back("P" + std::to_string(i));
    EXPECT_EQ(rig.Pass().provinceTitle, "EA Prov - worked on 20m 53 of 52");
}

TEST(BandView, CallAreasInTheOrderKVeJaVk) {
    Rig rig;
    rig.state.bandLists.g_bandAreasVK[3] = {"VK2"};
    rig.state.bandLists.g_bandAreasJA[3] = {"JA1", "JA0"};
    rig.state.bandLists.g_bandAreasVE[3] = {"VE3"};
    rig.state.bandLists.g_bandAreasK[3] = {"K7", "K1"};
    const RefreshView view = rig.Pass();
    EXPECT_EQ(view.callAreas, (Row{"K7", "K1", "VE3", "JA1", "JA0", "VK2"}));
    EXPECT_EQ(view.callAreaTitle, " Call_Area 20m");
}

TEST(BandView, MapsResetOnlyWhenTheBandChanges) {
    Rig rig;
    rig.state.bandLists.g_bandProvinces[2] = {"Z"};
    struct Step {
        double hz;
        bool bandKnown, resetMaps;
        int shownBand;
    };
    const Step steps[] = {{14085000, true, true, 3},
                          {14085100, true, false, 3},
                          {7040000, true, true, 2},
                          {29100000, false, false, 2},
                          {7041000, true, false, 2}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.hz);
        rig.host.dialHz = s.hz;
        const RefreshView view = rig.Pass();
        EXPECT_EQ(view.bandKnown, s.bandKnown);
        EXPECT_EQ(view.resetMaps, s.resetMaps);
        EXPECT_EQ(rig.refresh.shownBand, s.shownBand);
        EXPECT_EQ(rig.refresh.currentBand, s.shownBand);
        if (s.bandKnown && s.shownBand == 2) {
            EXPECT_EQ(view.provinces, Row{"Z"});
        }
    }
}

struct TitleCase {
    std::string name;
    bool russian;
    std::string call;
    std::string prevQso, multiplier, province;
};

class PassTitles : public testing::TestWithParam<TitleCase> {};

TEST_P(PassTitles, FollowCallAndLanguage) {
    const TitleCase& c = GetParam();
    Rig rig;
    rig.state.g_russianCaptions = c.russian ? 1 : 0;
    rig.host.call = c.call;
    const RefreshView view = rig.Pass();
    EXPECT_EQ(view.prevQsoTitle, c.prevQso);
    EXPECT_EQ(view.multiplierTitle, c.multiplier);
    EXPECT_EQ(view.provinceTitle, c.province);
    EXPECT_EQ(view.callAreaTitle, " Call_Area 20m");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PassTitles,
    testing::Values(TitleCase{"EnglishEmptyCall", false, "", "KOLVEX-2017 Previous QSO",
                              "KOLVEX-2017 EA100DX worked on 20m",
                              "EA Prov - worked on 20m 0 of 52"},
                    TitleCase{"EnglishTypedCall", false, "DL1ABC",
                              "KOLVEX-2017 worked with DL1ABC ", "",
                              "EA Prov - worked on 20m 0 of 52"},
                    TitleCase{"RussianEmptyCall", true, "", "KOLVEX-2017 Предыдущие QSO",
                              "KOLVEX-2017 Отработано стран EA100DX на 20m",
                              "EA Провинции - отработано на 20m 0 из 52"},
                    TitleCase{"RussianTypedCall", true, "DL1ABC", "KOLVEX-2017 Работал с DL1ABC",
                              "", "EA Провинции - отработано на 20m 0 из 52"}),
    CaseName());

// ---- Copies for painting ----

TEST(TakeViews, TableCopiesRowsCallAndBand) {
    Rig rig;
    rig.state.g_log.Add(Qso("DL1ABC").Record());
    rig.host.call = "DL1ABC";
    rig.Pass();
    const TableView view = TakeTableView(rig.shared, rig.refresh);
    EXPECT_EQ(view.call, "DL1ABC");
    EXPECT_EQ(view.currentBand, 3);
    for (std::size_t r = 0; r < kWindowBands; ++r)
        EXPECT_EQ(RowFieldsOf(view.rows[r]), RowFieldsOf(rig.RowOf(int(r))));
}

TEST(TakeViews, TableRowsAreBlankBeforeAnyReset) {
    PluginState state;
    SharedState shared{state};
    const TableView view = TakeTableView(shared, RefreshState{});
    for (const PrevQsoRow& row : view.rows) EXPECT_EQ(RowFieldsOf(row), RowFields{});
    EXPECT_EQ(view.currentBand, -1);
}

TEST(TakeViews, MultipliersSortedByUnsignedBytes) {
    Rig rig;
    rig.state.bandLists.g_bandMults[3] = {"K1", "\xC4X", "DL", "JA1", "9A", "EA8"};
    rig.refresh.currentBand = 3;
    const MultiplierView view = TakeMultiplierView(rig.shared, rig.refresh);
    EXPECT_EQ(view.entries, (Row{"9A", "DL", "EA8", "JA1", "K1", "\xC4X"}));
    EXPECT_EQ(rig.state.bandLists.g_bandMults[3][0], "K1");  // the shared list keeps its order
}

TEST(TakeViews, MultipliersEmptyWithoutABand) {
    Rig rig;
    for (Row& row : rig.state.bandLists.g_bandMults) row = {"DL"};
    for (int band : {-1, 6, 10}) {
        rig.refresh.currentBand = band;
        EXPECT_TRUE(TakeMultiplierView(rig.shared, rig.refresh).entries.empty()) << band;
    }
}

}  // namespace
