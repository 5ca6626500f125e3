#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/band_row_lists.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"
#include "tests/support/row_fields.h"

namespace {

// A reset whose host folder "host/" holds the given files; the current
// folder stays the test folder, so the host folder is elsewhere.
class ResetWithHost : public testing::Test {
  protected:
    PluginRig rig;

    void HostFile(const std::string& name, const std::string& content) {
        std::filesystem::create_directories(rig.folder.Path() + "host");
        TempFolder::Write(rig.folder.Path() + "host/" + name, content);
    }
    ResetArgs Args() {
        ResetArgs args = ContestReset();
        args.hostDirectory = rig.folder.Path() + "host/";
        return args;
    }
    std::string ResetVersion() {
        rig.Reset(Args());
        return rig.State().g_hostVersion;
    }
};

TEST_F(ResetWithHost, PeriodTextsAndFileName) {
    rig.Reset();
    EXPECT_EQ(rig.State().g_periodStart, "15.04");
    EXPECT_EQ(rig.State().g_contestYear, "2017");
    EXPECT_EQ(rig.State().g_periodEnd, "16.04.2017");
    EXPECT_EQ(rig.State().g_badQsoFile, "BadQSO_StatsKOLVEX_16_04_2017.txt");
}

TEST_F(ResetWithHost, NullAndInvalidPeriodTimes) {
    ResetArgs args = ContestReset();
    args.start = COleDateTime(0.0, COleDateTime::null);
    args.end = COleDateTime(1.0, COleDateTime::invalid);
    rig.Reset(args);
    EXPECT_EQ(rig.State().g_periodStart, "");
    EXPECT_EQ(rig.State().g_contestYear, "");
    EXPECT_EQ(rig.State().g_periodEnd, "Invalid DateTime");
    EXPECT_EQ(rig.State().g_badQsoFile, "BadQSO_StatsKOLVEX_Invalid DateTime.txt");
}

struct VersionCase {
    const char* name;
    const char* file;
    const char* content;
    const char* version;
};

class ResetHostVersion : public ResetWithHost, public testing::WithParamInterface<VersionCase> {};

TEST_P(ResetHostVersion, ReadFromHostSettings) {
    const VersionCase& c = GetParam();
    if (c.file != nullptr) HostFile(c.file, c.content);
    EXPECT_EQ(ResetVersion(), c.version);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResetHostVersion,
    testing::Values(
        VersionCase{"Version220", "MixW2.ini", "[Main]\r\nMixW=2.20\r\n", "2.20"},
        VersionCase{"Version311", "MixW2.ini", "MixW=3.1.1\n", "3.1.1"},
        VersionCase{"LastLineWithoutLineEnd", "MixW2.ini", "[Main]\nMixW=2.18", "2.18"},
        VersionCase{"FirstMatchingLineWins", "MixW2.ini", "MixW=2.19\r\nMixW=2.20\r\n", "2.19"},
        VersionCase{"FirstFiveCharactersDropped", "MixW2.ini", "xxMixW=2.20\r\n", "W=2.20"},
        VersionCase{"NoIniFile", "MixW2.txt", "MixW=2.20\r\n", "MixW"},
        VersionCase{"OtherIniOnly", "Other.ini", "MixW=2.20\r\n", "MixW"},
        VersionCase{"NameComparedWithCase", "mixw2.ini", "MixW=2.20\r\n", "MixW"},
        VersionCase{"NoHostFolder", nullptr, "", "MixW"}),
    CaseName());

TEST_F(ResetWithHost, ListsHostFolderWithIniPattern) {
    rig.Reset(Args());
    ASSERT_EQ(rig.env.patterns.size(), 1u);
    EXPECT_EQ(rig.env.patterns[0], rig.folder.Path() + "host/*.ini");
}

TEST_F(ResetWithHost, HostFolderWithoutSeparatorGetsPatternAppendedDirectly) {
    HostFile("MixW2.ini", "MixW=2.20\r\n");
    ResetArgs args = Args();
    args.hostDirectory = rig.folder.Path() + "host";
    rig.Reset(args);
    EXPECT_EQ(rig.env.patterns[0], rig.folder.Path() + "host*.ini");
    EXPECT_EQ(rig.State().g_hostVersion, "MixW");
}

TEST_F(ResetWithHost, IniWithoutVersionLineKeepsEarlierVersion) {
    HostFile("MixW2.ini", "MixW=2.19\r\n");
    ResetVersion();
    HostFile("MixW2.ini", "[Main]\r\nVersion=9\r\n");
    EXPECT_EQ(ResetVersion(), "2.19");
}

TEST_F(ResetWithHost, CurrentFolderIniNotReadInstead) {
    HostFile("MixW2.ini", "MixW=2.17\r\n");
    TempFolder::Write("MixW2.ini", "MixW=9.99\r\n");  // in the current folder
    EXPECT_EQ(ResetVersion(), "2.17");
}

TEST_F(ResetWithHost, HugeBinaryIniFindsLineAfterJunk) {
    std::string junk(4 << 20, '\0');
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131) % 251 + 1);
    HostFile("MixW2.ini", junk + "\nMixW=2.16\r\n" + junk);
    EXPECT_EQ(ResetVersion(), "2.16");
}

TEST_F(ResetWithHost, HugeIniWithoutLineEnds) {
    HostFile("MixW2.ini", std::string(8 << 20, 'x'));
    EXPECT_EQ(ResetVersion(), "");
}

// ---- The "Start" toggle ----

TEST_F(ResetWithHost, StartAlternatesAndThreadStartsEveryOtherReset) {
    std::vector<std::string> stored;
    std::vector<int> started;
    for (int i = 0; i < 4; ++i) {
        rig.Reset();
        stored.push_back(rig.profile.values["Start"]);
        started.push_back(rig.env.threadsStarted);
    }
    EXPECT_EQ(stored, (std::vector<std::string>{"1", "0", "1", "0"}));
    EXPECT_EQ(started, (std::vector<int>{1, 1, 2, 2}));
}

struct OldHostCase {
    const char* name;
    const char* version;
};

class ResetOldHost : public ResetWithHost, public testing::WithParamInterface<OldHostCase> {};

TEST_P(ResetOldHost, NeverStartsThreadButStartStillAlternates) {
    HostFile("MixW2.ini", std::string("MixW=") + GetParam().version + "\r\n");
    rig.Reset(Args());
    EXPECT_EQ(rig.profile.values["Start"], "1");
    rig.Reset(Args());
    EXPECT_EQ(rig.profile.values["Start"], "0");
    rig.Reset(Args());
    EXPECT_EQ(rig.profile.values["Start"], "1");
    EXPECT_EQ(rig.env.threadsStarted, 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, ResetOldHost,
                         testing::Values(OldHostCase{"V2_18", "2.18"}, OldHostCase{"V2_17", "2.17"},
                                         OldHostCase{"V2_16", "2.16"}, OldHostCase{"V2_15", "2.15"},
                                         OldHostCase{"V2_14", "2.14"},
                                         OldHostCase{"V2_14R", "2.14R"}),
                         CaseName());

TEST_F(ResetWithHost, NewerHostsStartThread) {
    for (const char* version : {"2.19", "2.20", "3.1.1", "2.14r"}) {
        PluginRig fresh;
        std::filesystem::create_directory("host");
        TempFolder::Write("host/MixW2.ini", std::string("MixW=") + version + "\r\n");
        ResetArgs args = ContestReset();
        args.hostDirectory = fresh.folder.Path() + "host/";
        fresh.Reset(args);
        EXPECT_EQ(fresh.env.threadsStarted, 1) << version;
    }
}

TEST_F(ResetWithHost, RunningSetupWindowAndStartZeroWritesNothing) {
    rig.env.setupRunning = true;
    rig.Reset();
    EXPECT_TRUE(rig.profile.writes.empty());
    EXPECT_EQ(rig.profile.values.count("Start"), 0u);
    EXPECT_EQ(rig.env.threadsStarted, 0);
}

TEST_F(ResetWithHost, RunningSetupWindowAndStartOneStoresZero) {
    rig.profile.values["Start"] = "1";
    rig.env.setupRunning = true;
    rig.Reset();
    EXPECT_EQ(rig.profile.values["Start"], "0");
    EXPECT_EQ(rig.env.threadsStarted, 0);
}

TEST_F(ResetWithHost, NonNumericStartReadsAsZero) {
    rig.profile.values["Start"] = "yes";
    rig.Reset();
    EXPECT_EQ(rig.env.threadsStarted, 1);
    EXPECT_EQ(rig.profile.values["Start"], "1");
}

TEST_F(ResetWithHost, ExportRequestRunsDialogAndStartsNothing) {
    ResetArgs args = ContestReset();
    args.exportRequest = 1;
    rig.Reset(args);
    ASSERT_EQ(rig.env.shownHeaders.size(), 1u);
    EXPECT_EQ(rig.env.shownHeaders[0].callsign, "DL1OWN");
    EXPECT_EQ(rig.profile.values["Start"], "0");
    EXPECT_EQ(rig.env.threadsStarted, 0);
    EXPECT_EQ(rig.State().g_exportMode, 1);
}

TEST_F(ResetWithHost, CancelledExportDialogStillToggles) {
    rig.env.dialog = [](CabrilloHeader&) { return false; };
    ResetArgs args = ContestReset();
    args.exportRequest = 5;
    rig.Reset(args);
    EXPECT_EQ(rig.profile.values["Start"], "0");
    EXPECT_EQ(rig.State().g_exportMode, 5);
}

TEST_F(ResetWithHost, PlainResetEndsExportRun) {
    ResetArgs args = ContestReset();
    args.exportRequest = 1;
    rig.Reset(args);
    rig.Reset();
    EXPECT_EQ(rig.State().g_exportMode, 0);
    EXPECT_EQ(rig.env.shownHeaders.size(), 1u);
}

// ---- What the reset learns and empties ----

TEST_F(ResetWithHost, RussianCaptionsStayOnOnceSet) {
    rig.Reset(ContestReset("DL1OWN", "DL"));
    EXPECT_EQ(rig.State().g_russianCaptions, 0);
    rig.Reset(ContestReset("UR5X", "UR"));
    EXPECT_EQ(rig.State().g_russianCaptions, 1);
    rig.Reset(ContestReset("DL1OWN", "DL"));
    EXPECT_EQ(rig.State().g_russianCaptions, 1);
}

TEST_F(ResetWithHost, LearnsOwnCallAndCountry) {
    rig.Reset(ContestReset("UA3X", "UA"));
    EXPECT_EQ(rig.State().g_ownCall, "UA3X");
    EXPECT_EQ(rig.State().g_ownCountry, "UA");
}

TEST_F(ResetWithHost, PreviousQsoRowsStartBlank) {
    rig.State().g_prevQsoRows[2] = {"40m", "RTTY", "1405", "M"};
    rig.Reset();
    const char* bands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(RowFieldsOf(rig.State().g_prevQsoRows[i]), (RowFields{bands[i], "-", "-", "-"}));
    }
}

TEST_F(ResetWithHost, CreatesBadQsoFileWithHeader) {
    TempFolder::Write(kBadQsoFile, "old content\r\nmore\r\n");
    rig.Reset();
    EXPECT_EQ(rig.BadQsoContent(), "KOLVEX TEST UBN file \r\n");
}

// The windows show the band-row lists: after a reset they must not show the
// old log's multipliers on bands the new log has not reached.
TEST_F(ResetWithHost, EmptiesLogWorkedBandsAndBandRows) {
    rig.Reset();
    rig.plugin.AddData(Qso("DL1A"));
    rig.plugin.AddData(Qso("DL2B").Band("40m").Mode("PSK"));
    rig.Result();
    PluginState& s = rig.State();
    ASSERT_FALSE(s.bandLists.g_bandMults[3].empty());
    test_lists::FillEveryRow(s.bandLists, "OLD");
    rig.Reset();
    EXPECT_TRUE(s.g_log.IsEmpty());
    EXPECT_TRUE(s.g_workedBands.empty());
    EXPECT_EQ(test_lists::FilledRows(s.bandLists), 0);
    EXPECT_EQ(rig.Result().find("\r\n20m\t"), std::string::npos);
}

}  // namespace
