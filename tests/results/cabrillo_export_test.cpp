#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace {

const std::string kHeader =
    "START-OF-LOG: 2.0\r\nARRL-SECTION: DX\r\nCALLSIGN: DL1OWN\r\nCLUB: \r\n"
    "CONTEST: DARNOL\r\nCATEGORY: SINGLE-OP ALL\r\n";
const std::string kOperatorsToCreatedBy =
    "OPERATORS: DL1OWN\r\nNAME: \r\nADDRESS: \r\nSOAPBOX: \r\nEMAIL: \r\n"
    "CREATED-BY: MixW MixW\r\n";

ResetArgs ExportReset() {
    ResetArgs args = ContestReset();
    args.exportRequest = 1;
    return args;
}

void FillLog(PluginRig& rig) {
    rig.plugin.AddData(Qso("EA1ABC").Spanish("EA", "M"));
    rig.plugin.AddData(Qso("EA1ABC").Spanish("EA", "M").Time(QsoTime(14, 6)));  // dupe
    rig.plugin.AddData(Qso("K4A").Country("K").Prefix("K4").Mode("rtty").FreqHz(7040500));
    rig.plugin.AddData(Qso("EA2X").Spanish("EA", "XX").Time(QsoTime(14, 7)));  // bad province
}

const std::string kQsoLines =
    "QSO: 14085 RY 2017-02-12 1405 DL1OWN        599 001    EA1ABC        599 M\r\n"
    "QSO: 14085 RY 2017-02-12 1406 DL1OWN        599 001    EA1ABC        599 M\r\n"
    "QSO:  7040 ?? 2017-02-12 1405 DL1OWN        599 001    K4A           599 012\r\n"
    "QSO: 14085 RY 2017-02-12 1407 DL1OWN        599 001    EA2X          599 XX\r\n";

TEST(CabrilloExport, ResultWritesEveryRecordAndAnnouncesFile) {
    PluginRig rig;
    rig.Reset(ExportReset());
    FillLog(rig);
    rig.Result();
    EXPECT_EQ(
        TempFolder::Read("DL1OWN.cbr"),
        kHeader + "CLAIMED-SCORE: 16\r\n" + kOperatorsToCreatedBy + kQsoLines + "END-OF-LOG:\r\n");
    EXPECT_EQ(rig.env.outputs, std::vector<std::string>{"File produced: DL1OWN.cbr"});
}

TEST(CabrilloExport, EveryResultWritesFileAgainWithEachQsoOnce) {
    PluginRig rig;
    rig.Reset(ExportReset());
    FillLog(rig);
    rig.Result();
    std::filesystem::remove("DL1OWN.cbr");
    rig.Result();
    const std::string file = TempFolder::Read("DL1OWN.cbr");
    EXPECT_NE(file.find(kOperatorsToCreatedBy + kQsoLines + "END-OF-LOG:\r\n"), std::string::npos);
    EXPECT_EQ(rig.env.outputs.size(), 2u);
}

TEST(CabrilloExport, ClaimedScoreIsScoreOfSameCall) {
    PluginRig rig;
    rig.profile.values["Claimed"] = "12345";
    rig.Reset(ExportReset());
    rig.plugin.AddData(Qso("EA1ABC").Spanish("EA", "M"));
    rig.Result();
    EXPECT_NE(TempFolder::Read("DL1OWN.cbr").find("CLAIMED-SCORE: 6\r\n"), std::string::npos);
    EXPECT_EQ(rig.State().g_score, 6);
}

TEST(CabrilloExport, ExportRunShowsNoRates) {
    PluginRig rig;
    rig.Reset(ExportReset());
    FillLog(rig);
    const std::string result = rig.Result();
    EXPECT_NE(result.find("QSO rate:     0 (0) QSOs/hour"), std::string::npos);
    EXPECT_NE(result.find("pts rate:     0 (0) points/hour"), std::string::npos);
}

TEST(CabrilloExport, OrdinaryRunWritesNoFile) {
    PluginRig rig;
    rig.Reset();
    FillLog(rig);
    rig.Result();
    EXPECT_FALSE(std::filesystem::exists("DL1OWN.cbr"));
    EXPECT_TRUE(rig.env.outputs.empty());
}

TEST(CabrilloExport, UnwritableFileReportedAsNotProduced) {
    PluginRig rig;
    std::filesystem::create_directory("DL1OWN.cbr");
    rig.Reset(ExportReset());
    FillLog(rig);
    rig.Result();
    EXPECT_EQ(rig.env.outputs, std::vector<std::string>{"File not produced: DL1OWN.cbr"});
}

TEST(CabrilloExport, CancelledDialogExportsLoadedHeader) {
    PluginRig rig;
    rig.profile.values["Name"] = "Hans";
    rig.env.dialog = [](CabrilloHeader& h) {
        h.name = "Changed";
        return false;
    };
    rig.Reset(ExportReset());
    rig.Result();
    EXPECT_NE(TempFolder::Read("DL1OWN.cbr").find("\r\nNAME: Hans\r\n"), std::string::npos);
    EXPECT_EQ(rig.env.outputs.size(), 1u);
}

TEST(CabrilloExport, HostVersionInCreatedByLine) {
    PluginRig rig;
    std::filesystem::create_directory("host");
    TempFolder::Write("host/MixW2.ini", "MixW=3.1.1\r\n");
    ResetArgs args = ExportReset();
    args.hostDirectory = rig.folder.Path() + "host/";
    rig.Reset(args);
    rig.Result();
    EXPECT_NE(TempFolder::Read("DL1OWN.cbr").find("\r\nCREATED-BY: MixW 3.1.1\r\n"),
              std::string::npos);
}

}  // namespace
