#include "contest/qso_entry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/band_row_lists.h"
#include "tests/support/case_name.h"
#include "tests/support/failing_allocation.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace {

const std::string kCreated = "KOLVEX TEST UBN file ";
const std::string kRewritten = "KOLVEX TEST UBN file  ";

// The whole file: the header and each line, every one ending in CR LF.
std::string FileOf(const std::string& header, const std::vector<std::string>& lines) {
    std::string content = header + "\r\n";
    for (const std::string& line : lines) content += line + "\r\n";
    return content;
}

std::vector<std::string> Calls(const LogStore& log) {
    std::vector<std::string> calls;
    for (const CInfo& record : log) calls.push_back(record.m_call);
    return calls;
}

std::vector<int> Frequencies(const LogStore& log) {
    std::vector<int> kHz;
    for (const CInfo& record : log) kHz.push_back(record.m_freqKHz);
    return kHz;
}

std::vector<std::string> FolderEntries() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    return names;
}

// The bad-QSO line of Qso(call) as its defaults make it, with `message`:
// `head` is the frequency and mode part, `tail` the fields after the call.
std::string Golden(const std::string& call, const char* message,
                   const std::string& tail = "599  012",
                   const std::string& head = "14085  RTTY  ") {
    return "QSO:  " + head + "2017-02-12 1405  DL1OWN  599  001  " + call + "  " + tail + message;
}

// A plug-in after its reset, for the tests that start there.
template <typename Base = testing::Test>
class ResetRig : public Base {
  protected:
    ResetRig() { rig.Reset(); }
    PluginRig rig;
};
using AddData = ResetRig<>;
using RemoveData = ResetRig<>;

struct RefusalCase {
    const char* name;
    Qso qso;
    std::string line;
    std::vector<std::string> workedBands;
};

class AddDataRefusal : public ResetRig<testing::TestWithParam<RefusalCase>> {};

TEST_P(AddDataRefusal, WritesOneLineAndLeavesLogEmpty) {
    const RefusalCase& c = GetParam();
    EXPECT_EQ(rig.plugin.AddData(c.qso), 0);
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, {c.line}));
    EXPECT_TRUE(rig.State().g_log.IsEmpty());
    EXPECT_EQ(rig.State().g_workedBands, c.workedBands);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddDataRefusal,
    testing::Values(RefusalCase{"WrongBand",
                                Qso("DL1A").Band("160m").FreqHz(1838000),
                                Golden("DL1A", "   WRONG BAND !!!", "599  012", "1838  RTTY  "),
                                {}},
                    RefusalCase{"WrongModeKeepsBand",
                                Qso("DL1A").Mode("PSK"),
                                Golden("DL1A", "   WRONG MODE !!!", "599  012", "14085  PSK  "),
                                {"20m"}},
                    RefusalCase{"NoExchangeReceived",
                                Qso("DL1A").Exch(""),
                                Golden("DL1A", "   NO RX NUMBER !!!", "599  "),
                                {"20m"}},
                    RefusalCase{"NoExchangeSent",
                                Qso("DL1A").ExchSent(""),
                                "QSO:  14085  RTTY  2017-02-12 1405  DL1OWN  599    DL1A  599  012"
                                "   NO RX NUMBER !!!",
                                {"20m"}}),
    CaseName());

TEST_F(AddData, WorkedBandsKeepFirstAppearanceOfExactTexts) {
    rig.plugin.AddData(Qso("A").Band("20m"));
    rig.plugin.AddData(Qso("B").Band("20M"));
    rig.plugin.AddData(Qso("C").Band("20m"));
    rig.plugin.AddData(Qso("D").Band("40m").Mode("PSK"));
    EXPECT_EQ(rig.State().g_workedBands, (std::vector<std::string>{"20m", "20M", "40m"}));
}

struct ProvinceCase {
    const char* name;
    Qso qso;
    const char* province;
    int bad;
    std::vector<std::string> lines;
};

class AddDataProvince : public ResetRig<testing::TestWithParam<ProvinceCase>> {};

TEST_P(AddDataProvince, EntersQsoWithProvinceOrFlag) {
    const ProvinceCase& c = GetParam();
    EXPECT_EQ(rig.plugin.AddData(c.qso), 1);
    ASSERT_EQ(rig.State().g_log.GetCount(), 1);
    const CInfo& info = rig.State().g_log.GetAt(0);
    EXPECT_EQ(info.m_province, c.province);
    EXPECT_EQ(info.m_bad, c.bad);
    EXPECT_EQ(info.m_notCounted, c.bad);
    EXPECT_EQ(info.m_dupe, 0);
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddDataProvince,
    testing::Values(
        ProvinceCase{"LowerCaseTrimmed", Qso("EA1A").Spanish("EA", " m\r"), "M", 0, {}},
        ProvinceCase{"Canaries", Qso("EA8A").Spanish("EA8", "tf"), "TF", 0, {}},
        ProvinceCase{"HqFromAnySpanishStation", Qso("EA1A").Spanish("EA", "HQ"), "HQ", 0, {}},
        ProvinceCase{"UnknownProvince",
                     Qso("EA1ABC").Spanish("EA", "XX"),
                     "",
                     1,
                     {Golden("EA1ABC", "   NO SPAIN PROVINCE !!!", "599  XX", "14085 RY ")}},
        ProvinceCase{"HeadquartersLowerCase", Qso("EA4URE").Spanish("EA", "hq"), "HQ", 0, {}},
        ProvinceCase{"HeadquartersBlanks", Qso("EA4URE").Spanish("EA", "\f HQ\t\r\n"), "HQ", 0, {}},
        ProvinceCase{
            "HeadquartersSendingProvince",
            Qso("EA4URE").Spanish("EA", "M"),
            "",
            1,
            {Golden("EA4URE", "  ONLY HQ POSSIBLE FROM EA4URE !!!", "599  M", "14085 RY ")}},
        ProvinceCase{"ForeignExchangeNotChecked", Qso("DL1A").Exch("abc"), "", 0, {}},
        ProvinceCase{"HeadquartersCallAbroadNotChecked", Qso("EA4URE").Exch("12"), "", 0, {}},
        ProvinceCase{
            "LowerCaseCountryIsNotSpanish", Qso("EA1A").Country("ea").Exch("XX"), "", 0, {}}),
    CaseName());

TEST_F(AddData, FillsRecordFromArguments) {
    rig.plugin.AddData(Qso("W4X")
                           .Country("K")
                           .Prefix("W4")
                           .FreqHz(14085999)
                           .RstSent("579")
                           .RstReceived("589")
                           .ExchSent("007")
                           .Exch("123")
                           .Mode("rtty"));
    const CInfo& info = rig.State().g_log.GetAt(0);
    EXPECT_EQ(info.m_call, "W4X");
    EXPECT_EQ(info.m_country, "K");
    EXPECT_EQ(info.m_band, "20m");
    EXPECT_EQ(info.m_mode, "rtty");
    EXPECT_EQ(info.m_rstSent, "579");
    EXPECT_EQ(info.m_rstReceived, "589");
    EXPECT_EQ(info.m_exchSent, "007");
    EXPECT_EQ(info.m_exchReceived, "123");
    EXPECT_EQ(info.m_freqKHz, 14085);
    EXPECT_EQ(info.m_areaK, 4);
    EXPECT_TRUE(info.m_time.SameAs(QsoTime()));
}

TEST_F(AddData, SpanishStationGetsNoCallArea) {
    rig.plugin.AddData(Qso("EA1A").Spanish("EA", "M").Prefix("EA1"));
    const CInfo& info = rig.State().g_log.GetAt(0);
    EXPECT_EQ(info.m_areaJA + info.m_areaK + info.m_areaVE + info.m_areaVK, -4);
}

TEST_F(AddData, ThirdIdenticalQsoGetsTwoDupeLines) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rig.plugin.AddData(Qso("DL1A")), 1);
    const std::string dupe = Golden("DL1A", "   DUPE !!!");
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, {dupe, dupe, dupe}));
    const LogStore& log = rig.State().g_log;
    EXPECT_EQ(log.GetAt(0).m_dupe, 0);
    EXPECT_EQ(log.GetAt(1).m_dupe, 1);
    EXPECT_EQ(log.GetAt(2).m_dupe, 1);
    EXPECT_EQ(log.GetAt(2).m_notCounted, 1);
    EXPECT_EQ(log.GetAt(2).m_bad, 0);
}

TEST_F(AddData, BadProvinceDupeGetsProvinceLineThenDupeLine) {
    rig.plugin.AddData(Qso("EA1A").Spanish("EA", "XX"));
    rig.plugin.AddData(Qso("EA1A").Spanish("EA", "XX"));
    const std::string province = Golden("EA1A", "   NO SPAIN PROVINCE !!!", "599  XX", "14085 RY ");
    const std::string dupe = Golden("EA1A", "   DUPE !!!", "599  XX");
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, {province, province, dupe}));
    const CInfo& second = rig.State().g_log.GetAt(1);
    EXPECT_EQ(second.m_bad + second.m_dupe + second.m_notCounted, 3);
}

TEST_F(AddData, DupeNeedsExactlySameCallBandAndMode) {
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.AddData(Qso("DL1A").Mode("rtty"));
    rig.plugin.AddData(Qso("DL1A").Band("20M"));
    rig.plugin.AddData(Qso("dl1a"));
    rig.plugin.AddData(Qso("DL1A").Band("40m"));
    for (const CInfo& record : rig.State().g_log) EXPECT_EQ(record.m_dupe, 0);
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, {}));
}

struct LineTextCase {
    const char* name;
    Qso qso;
    std::string line;
};

class AddDataLineText : public ResetRig<testing::TestWithParam<LineTextCase>> {};

// A dupe makes the line; the second QSO is the one reported.
TEST_P(AddDataLineText, WritesFieldsAsGiven) {
    const LineTextCase& c = GetParam();
    rig.plugin.AddData(c.qso);
    rig.plugin.AddData(c.qso);
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kCreated, {c.line}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddDataLineText,
    testing::Values(
        LineTextCase{"FrequencyInWholeKilohertz", Qso("DL1A").FreqHz(7040999),
                     Golden("DL1A", "   DUPE !!!", "599  012", "7040  RTTY  ")},
        LineTextCase{"FrequencyBelowOneKilohertz", Qso("DL1A").FreqHz(999),
                     Golden("DL1A", "   DUPE !!!", "599  012", "0  RTTY  ")},
        LineTextCase{"LargestFrequency", Qso("DL1A").FreqHz(std::numeric_limits<uint32_t>::max()),
                     Golden("DL1A", "   DUPE !!!", "599  012", "4294967  RTTY  ")},
        LineTextCase{"InvalidTime", Qso("DL1A").Time(COleDateTime(1.0, COleDateTime::invalid)),
                     "QSO:  14085  RTTY  Invalid DateTime  DL1OWN  599  001  DL1A  599  012"
                     "   DUPE !!!"},
        LineTextCase{"NullTime", Qso("DL1A").Time(COleDateTime(0.0, COleDateTime::null)),
                     "QSO:  14085  RTTY    DL1OWN  599  001  DL1A  599  012   DUPE !!!"},
        LineTextCase{"EmptyTexts", Qso("DL1A").OwnCall("").RstReceived(""),
                     "QSO:  14085  RTTY  2017-02-12 1405    599  001  DL1A    012   DUPE !!!"},
        LineTextCase{"LineBreaksBecomeBlanks", Qso("DL1A").Exch("1\r\n2").OwnCall("DL\n1"),
                     "QSO:  14085  RTTY  2017-02-12 1405  DL 1  599  001  DL1A  599  1  2"
                     "   DUPE !!!"}),
    CaseName());

TEST(AddDataOwnRig, WithoutResetEntersQsoAndWritesNoFile) {
    PluginRig rig;
    EXPECT_EQ(rig.plugin.AddData(Qso("EA1A").Spanish("EA", "XX")), 1);
    EXPECT_EQ(rig.plugin.AddData(Qso("DL1A").Band("160m")), 0);
    EXPECT_EQ(rig.State().g_log.GetCount(), 1);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST(AddDataOwnRig, UnwritableFileStillEntersQso) {
    PluginRig rig;
    std::filesystem::create_directory(kBadQsoFile);  // a name taken by a folder
    rig.Reset();
    EXPECT_EQ(rig.plugin.AddData(Qso("DL1A")), 1);
    EXPECT_EQ(rig.plugin.AddData(Qso("DL1A")), 1);
    EXPECT_EQ(rig.State().g_log.GetAt(1).m_dupe, 1);
    EXPECT_TRUE(std::filesystem::is_directory(kBadQsoFile));
}

TEST_F(AddData, PathIntoMissingFolderStillEntersQso) {
    rig.State().g_badQsoFile = "missing/folder/bad.txt";
    EXPECT_EQ(rig.plugin.AddData(Qso("DL1A").Band("160m")), 0);
    EXPECT_EQ(rig.plugin.AddData(Qso("DL1A")), 1);
    EXPECT_FALSE(std::filesystem::exists("missing"));
}

// Whichever allocation fails on the way, the host hears "logged" only for a
// QSO that is in the log, and the log's index agrees with it: the checks
// answer as for a log that holds the QSO exactly when it was logged.
TEST(AddDataOwnRig, FailedAllocationLeavesQsoWhollyInLogOrNotAtAll) {
    for (int before = 0;; ++before) {
        PluginRig rig;
        rig.Reset();
        bool logged;
        {
            const FailingAllocation failing(before);
            logged = rig.plugin.AddData(Qso("DL1A"));
            if (!failing.Failed()) break;  // the add made fewer allocations
        }
        SCOPED_TRACE("allocation " + std::to_string(before));
        EXPECT_EQ(logged, rig.State().g_log.GetCount() == 1);
        EXPECT_EQ(rig.plugin.CheckCall(CheckOf(Qso("DL1A"))),
                  logged ? CallVerdict::kDupe : CallVerdict::kNewCountry);
        EXPECT_EQ(rig.plugin.CheckCall(CheckOf(Qso("DL2B"))),
                  logged ? CallVerdict::kNothingNew : CallVerdict::kNewCountry);
    }
}

TEST_F(AddData, DoesNotAskForRefresh) {
    rig.env.setupRunning = true;
    rig.TakePendingRefresh();
    rig.plugin.AddData(Qso("DL1A"));
    EXPECT_EQ(rig.env.refreshesPosted, 0);
    EXPECT_EQ(rig.State().g_refreshPending, 0);
}

// ---- Removing ----

TEST_F(RemoveData, TakesOutFirstMatchingRecordOnly) {
    rig.plugin.AddData(Qso("DL1A").FreqHz(1000));
    rig.plugin.AddData(Qso("DL2B").FreqHz(2000));
    rig.plugin.AddData(Qso("DL1A").FreqHz(3000));
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_EQ(Frequencies(rig.State().g_log), (std::vector<int>{2, 3}));
    EXPECT_EQ(rig.State().g_log.GetAt(1).m_dupe, 1);  // flags are never recomputed
}

TEST_F(RemoveData, SkipsRecordsOfOtherTime) {
    rig.plugin.AddData(Qso("DL1A").Time(QsoTime(14, 0)).FreqHz(1000));
    rig.plugin.AddData(Qso("DL1A").Time(QsoTime(14, 5)).FreqHz(2000));
    rig.plugin.RemoveData(Qso("DL1A").Time(QsoTime(14, 5)));
    EXPECT_EQ(Frequencies(rig.State().g_log), (std::vector<int>{1}));
}

struct MatchCase {
    const char* name;
    Qso logged;
    Qso removed;
    bool found;
};

class RemoveDataMatch : public ResetRig<testing::TestWithParam<MatchCase>> {};

TEST_P(RemoveDataMatch, FindsRecordOnlyWhenAllValuesEqual) {
    const MatchCase& c = GetParam();
    rig.plugin.AddData(c.logged);
    rig.plugin.RemoveData(c.removed);
    EXPECT_EQ(rig.State().g_log.IsEmpty(), c.found);
}

const COleDateTime kT = QsoTime();
INSTANTIATE_TEST_SUITE_P(
    Table, RemoveDataMatch,
    testing::Values(
        MatchCase{"SameValues", Qso("DL1A"), Qso("DL1A"), true},
        MatchCase{"OtherFieldsNotCompared", Qso("DL1A"),
                  Qso("DL1A").Country("K").Exch("").FreqHz(1).OwnCall("X").Prefix("K1"), true},
        MatchCase{"CallCaseDiffers", Qso("DL1A"), Qso("dl1a"), false},
        MatchCase{"ModeCaseDiffers", Qso("DL1A"), Qso("DL1A").Mode("rtty"), false},
        MatchCase{"BandCaseDiffers", Qso("DL1A"), Qso("DL1A").Band("20M"), false},
        MatchCase{"OneSecondLater", Qso("DL1A"), Qso("DL1A").Time(Later(kT, 1)), false},
        MatchCase{"NullTimesOfAnyValue", Qso("DL1A").Time({1.0, COleDateTime::null}),
                  Qso("DL1A").Time({2.0, COleDateTime::null}), true},
        MatchCase{"NullAgainstValid", Qso("DL1A").Time({kT.Value(), COleDateTime::null}),
                  Qso("DL1A"), false},
        MatchCase{"InvalidTimesOfSameValue", Qso("DL1A").Time({kT.Value(), COleDateTime::invalid}),
                  Qso("DL1A").Time({kT.Value(), COleDateTime::invalid}), true},
        MatchCase{"InvalidTimesOfOtherValue", Qso("DL1A").Time({1.0, COleDateTime::invalid}),
                  Qso("DL1A").Time({2.0, COleDateTime::invalid}), false},
        MatchCase{"InvalidAgainstValid", Qso("DL1A").Time({kT.Value(), COleDateTime::invalid}),
                  Qso("DL1A"), false}),
    CaseName());

TEST_F(RemoveData, RewritesFileWithoutLinesOfThatCallAndMinute) {
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.AddData(Qso("DL1A"));  // DUPE line, 14:05
    rig.plugin.AddData(Qso("DL2B"));
    rig.plugin.AddData(Qso("DL2B"));                                    // DUPE line of another call
    rig.plugin.AddData(Qso("DL1A").Time(QsoTime(14, 6)).Band("160m"));  // other minute
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_EQ(
        rig.BadQsoContent(),
        FileOf(kRewritten, {Golden("DL2B", "   DUPE !!!"),
                            "QSO:  14085  RTTY  2017-02-12 1406  DL1OWN  599  001  DL1A  599  012"
                            "   WRONG BAND !!!"}));
}

TEST_F(RemoveData, KeepsLinesOfLongerCallInSameMinute) {
    rig.plugin.AddData(Qso("EA1A").Spanish("EA", "XX"));
    rig.plugin.AddData(Qso("EA1AB").Spanish("EA", "XX"));
    rig.plugin.AddData(Qso("XEA1A").Spanish("EA", "XX"));
    rig.plugin.RemoveData(Qso("EA1A"));
    EXPECT_EQ(
        rig.BadQsoContent(),
        FileOf(kRewritten, {Golden("EA1AB", "   NO SPAIN PROVINCE !!!", "599  XX", "14085 RY "),
                            Golden("XEA1A", "   NO SPAIN PROVINCE !!!", "599  XX", "14085 RY ")}));
}

TEST_F(RemoveData, RecordNotFoundStillRewritesAndDropsItsLines) {
    rig.plugin.AddData(Qso("DL1A").Band("160m"));  // refused: a line, no record
    rig.plugin.AddData(Qso("DL2B"));
    rig.env.setupRunning = true;
    rig.plugin.RemoveData(Qso("DL1A").Band("160m"));
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kRewritten, {}));
    EXPECT_EQ(rig.State().g_log.GetCount(), 1);
    EXPECT_EQ(rig.env.refreshesPosted, 1);
}

TEST_F(RemoveData, InvalidTimeQsoLosesItsLines) {
    const Qso broken = Qso("DL1A").Time({5.5, COleDateTime::invalid});
    rig.plugin.AddData(broken);
    rig.plugin.AddData(broken);
    rig.plugin.RemoveData(broken);
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kRewritten, {}));
    EXPECT_EQ(rig.State().g_log.GetCount(), 1);
}

TEST_F(RemoveData, CallWithLineBreakLosesItsLines) {
    rig.plugin.AddData(Qso("DL1\r\nA"));
    rig.plugin.AddData(Qso("DL1\r\nA"));
    rig.plugin.RemoveData(Qso("DL1\r\nA"));
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kRewritten, {}));
}

TEST_F(RemoveData, HeaderOnlyFileGetsRewrittenHeader) {
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_EQ(rig.BadQsoContent(), "KOLVEX TEST UBN file  \r\n");
}

// A file edited elsewhere comes back in the one shape a removal writes; one
// already in that shape with nothing to drop is not written at all (its time
// stays), which spares a rewrite of the whole file at most removals.  Only
// the removed minute standing alone marks a line: its digits inside a
// frequency, an exchange or a date do not.
TEST(RemoveDataOwnRig, FileComesBackInTheRewrittenShapeAndOneAlreadySoIsNotWritten) {
    const std::string gone = "QSO: 1405  DL1A  599", kept = "QSO: 1405  DL2B  599";
    const std::string otherMinute = "QSO: 1406  DL1A  599";
    const std::vector<std::string> digitsOfMinute = {
        "QSO:  14050  DL1A  1406", "QSO:  21405  DL1A  1406", "QSO:  7040  DL1A  11405   DUPE !!!"};
    struct FileCase {
        const char* name;
        std::string before, after;
        COleDateTime removed = QsoTime();
    } cases[] = {
        {"minute_digits_in_fields", FileOf(kRewritten, digitsOfMinute), ""},
        {"minute_digits_in_file_to_rewrite", FileOf(kCreated, digitsOfMinute),
         FileOf(kRewritten, digitsOfMinute)},
        {"year_holds_minute_digits", FileOf(kRewritten, {Golden("DL1A", "")}), "", QsoTime(20, 17)},
        {"kept_as_it_is", FileOf(kRewritten, {kept, otherMinute}), ""},
        {"header_only", FileOf(kRewritten, {}), ""},
        {"carriage_return_inside", FileOf(kRewritten, {kept + "\r", "a\rb"}), ""},
        {"line_dropped", FileOf(kRewritten, {kept, gone}), FileOf(kRewritten, {kept})},
        {"created_header", FileOf(kCreated, {kept}), FileOf(kRewritten, {kept})},
        {"bare_line_feed", kRewritten + "\r\n" + kept + "\n", FileOf(kRewritten, {kept})},
        {"no_last_line_end", kRewritten + "\r\n" + kept, FileOf(kRewritten, {kept})},
        {"empty", "", FileOf(kRewritten, {})},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        PluginRig rig;
        rig.Reset();
        TempFolder::Write(kBadQsoFile, c.before);
        const auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        std::filesystem::last_write_time(kBadQsoFile, written);
        rig.plugin.RemoveData(Qso("DL1A").Time(c.removed));
        EXPECT_EQ(rig.BadQsoContent(), c.after.empty() ? c.before : c.after);
        EXPECT_EQ(std::filesystem::last_write_time(kBadQsoFile) == written, c.after.empty());
    }
}

TEST_F(RemoveData, MissingFileIsRecreatedWithHeaderOnly) {
    rig.plugin.AddData(Qso("DL1A"));
    std::filesystem::remove(kBadQsoFile);
    rig.plugin.RemoveData(Qso("DL2B"));
    EXPECT_EQ(rig.BadQsoContent(), FileOf(kRewritten, {}));
}

TEST(RemoveDataOwnRig, WithoutResetWritesNoFile) {
    PluginRig rig;
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_TRUE(rig.State().g_log.IsEmpty());
    EXPECT_TRUE(FolderEntries().empty());
}

TEST(RemoveDataOwnRig, UnwritableFileStillRemovesRecord) {
    PluginRig rig;
    std::filesystem::create_directory(kBadQsoFile);
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_TRUE(rig.State().g_log.IsEmpty());
    EXPECT_TRUE(std::filesystem::is_directory(kBadQsoFile));
}

struct WindowCase {
    const char* name;
    Qso removed;
    StationKinds openMaps;
    std::vector<StationKinds> mapResets;
};

class RemoveDataWindows : public ResetRig<testing::TestWithParam<WindowCase>> {};
constexpr StationKinds kArea = kCallAreaStation, kSpain = kSpanishStation, kBoth = kArea | kSpain;

// A second QSO keeps the log from emptying, which would clear every list.
TEST_P(RemoveDataWindows, ResetsWindowOfRemovedStationsKind) {
    const WindowCase& c = GetParam();
    rig.env.openMaps = c.openMaps;
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.AddData(Qso("OTHER"));
    rig.plugin.RemoveData(c.removed);
    EXPECT_EQ(rig.env.mapResets, c.mapResets);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemoveDataWindows,
    testing::Values(
        WindowCase{"UsaResetsCallAreas", Qso("DL1A").Country("K"), kBoth, {kArea}},
        WindowCase{"CanadaResetsCallAreas", Qso("DL1A").Country("VE"), kArea, {kArea}},
        WindowCase{"JapanResetsCallAreas", Qso("DL1A").Country("JA"), kArea, {kArea}},
        WindowCase{"AustraliaResetsCallAreas", Qso("DL1A").Country("VK"), kArea, {kArea}},
        WindowCase{"CallAreaWindowClosed", Qso("DL1A").Country("K"), kSpain, {}},
        WindowCase{"SpainResetsProvinces", Qso("DL1A").Country("EA"), kBoth, {kSpain}},
        WindowCase{"BalearicsResetProvinces", Qso("DL1A").Country("EA6"), kBoth, {kSpain}},
        WindowCase{"CanariesResetProvinces", Qso("DL1A").Country("EA8"), kBoth, {kSpain}},
        WindowCase{"CeutaMelillaResetProvinces", Qso("DL1A").Country("EA9"), kBoth, {kSpain}},
        WindowCase{"ProvinceWindowClosed", Qso("DL1A").Country("EA"), kArea, {}},
        WindowCase{"OtherCountryResetsNothing", Qso("DL1A").Country("DL"), kBoth, {}},
        WindowCase{"RecordNotFoundResetsNothing", Qso("DL9Z").Country("K"), kBoth, {}}),
    CaseName());

struct MapRowCase {
    const char* name;
    const char* band;
    bool callAreaOpen;
    int emptiedRow;  // whose map lists empty; kNoBandRow for none
};

class RemoveDataMapRows : public ResetRig<testing::TestWithParam<MapRowCase>> {};

// The call-area reset empties the map lists (not the entities) of the
// removed QSO's band row, only while its window is open; "20M", a band of its
// own that no window shows, empties none.  A second QSO keeps the log from
// emptying, which would clear every list.
TEST_P(RemoveDataMapRows, EmptiesMapListsOfBandRowOnly) {
    const MapRowCase& c = GetParam();
    rig.env.openMaps = c.callAreaOpen ? kArea : StationKinds{0};
    rig.plugin.AddData(Qso("K4A").Country("K").Prefix("K4").Band(c.band));
    rig.plugin.AddData(Qso("OTHER"));
    BandRowLists& lists = rig.State().bandLists;
    test_lists::FillEveryRow(lists, "X");
    rig.plugin.RemoveData(Qso("K4A").Country("K").Band(c.band));
    for (const test_lists::Slot& slot : test_lists::kEveryBandRowList) {
        for (int row = 0; row < kBandRows; ++row) {
            const bool emptied = row == c.emptiedRow && slot.kind != test_lists::Kind::kEntities;
            EXPECT_EQ((lists.*slot.list)[static_cast<size_t>(row)].empty(), emptied) << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RemoveDataMapRows,
                         testing::Values(MapRowCase{"RowOfBand", "20m", true, 3},
                                         MapRowCase{"RowOfOtherBand", "40m", true, 2},
                                         MapRowCase{"WindowClosed", "20m", false, kNoBandRow},
                                         MapRowCase{"BandWithoutRow", "20M", true, kNoBandRow}),
                         CaseName());

TEST_F(RemoveData, LastQsoEmptiesWorkedBandsAndEveryRow) {
    rig.plugin.AddData(Qso("DL1A"));
    PluginState& s = rig.State();
    test_lists::FillEveryRow(s.bandLists, "X");
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_TRUE(s.g_workedBands.empty());
    EXPECT_EQ(test_lists::FilledRows(s.bandLists), 0);
}

TEST_F(RemoveData, RemainingQsoKeepsWorkedBandsAndRows) {
    rig.plugin.AddData(Qso("DL1A").Band("40m"));
    rig.plugin.AddData(Qso("DL2B"));
    test_lists::FillEveryRow(rig.State().bandLists, "X");
    rig.plugin.RemoveData(Qso("DL1A").Band("40m"));
    EXPECT_EQ(rig.State().g_workedBands, (std::vector<std::string>{"40m", "20m"}));
    EXPECT_EQ(rig.State().bandLists.g_bandMults[2], std::vector<std::string>{"X"});
    EXPECT_EQ(Calls(rig.State().g_log), std::vector<std::string>{"DL2B"});
}

struct RemoveRefreshCase {
    const char* name;
    bool setupRunning;
    int posted;
};

class RemoveDataRefresh : public ResetRig<testing::TestWithParam<RemoveRefreshCase>> {};

TEST_P(RemoveDataRefresh, RearmsFlagAndPostsToRunningWindow) {
    const RemoveRefreshCase& c = GetParam();
    rig.env.setupRunning = c.setupRunning;
    rig.TakePendingRefresh();
    rig.plugin.RemoveData(Qso("DL1A"));
    EXPECT_EQ(rig.State().g_refreshPending, 1);
    EXPECT_EQ(rig.env.refreshesPosted, c.posted);
}

INSTANTIATE_TEST_SUITE_P(Table, RemoveDataRefresh,
                         testing::Values(RemoveRefreshCase{"WindowRunning", true, 1},
                                         RemoveRefreshCase{"NoWindow", false, 0}),
                         CaseName());

}  // namespace
