#include "results/cabrillo_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>

#include "contest/text_util.h"
#include "results/header_settings.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_environment.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_folder.h"

namespace {

struct ReplaceCase {
    const char* name;
    const char* text;
    const char* from;
    const char* to;
    const char* result;
};

class ReplaceAllOf : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllOf, Replaces) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceAllOf,
    testing::Values(ReplaceCase{"EveryOccurrence", "a/b/c", "/", "_", "a_b_c"},
                    ReplaceCase{"NoOccurrence", "abc", "x", "y", "abc"},
                    ReplaceCase{"LeftToRightWithoutOverlap", "aaa", "aa", "b", "ba"},
                    ReplaceCase{"InsertedTextNotSearchedAgain", "ab", "a", "aa", "aab"},
                    ReplaceCase{"ReplacementHoldsPattern", "<CR>", "<CR>", "x<CR>", "x<CR>"},
                    ReplaceCase{"SameFromAndTo", "a<CR>b", "<CR>", "<CR>", "a<CR>b"},
                    ReplaceCase{"ToEmpty", "a<LF>b<LF>", "<LF>", "", "ab"},
                    ReplaceCase{"EmptyText", "", "a", "b", ""},
                    ReplaceCase{"WholeText", "abc", "abc", "", ""}),
    CaseName());

class CabrilloHeaderEdit : public testing::Test {
  protected:
    TempFolder folder;
    FakeEnvironment env;
    MapProfileStore profile;
    Settings settings{profile};
    CCabrilloLog log;

    int Edit(const std::string& callsign) {
        return EditStoredHeader(settings, log, env, callsign, QsoTime(), QsoTime(16));
    }
    std::string Written() {
        WriteCabrilloFile(log.MakeFile(110, "3.1.1"));
        return TempFolder::Read(log.FileName());
    }
};

TEST_F(CabrilloHeaderEdit, DialogShowsDefaultsWithEmptySettings) {
    Edit("DL1OWN");
    ASSERT_EQ(env.shownHeaders.size(), 1u);
    const CabrilloHeader& h = env.shownHeaders[0];
    EXPECT_EQ(h.contest, "DARNOL Contest");
    EXPECT_EQ(h.callsign, "DL1OWN");
    EXPECT_EQ(h.operators, "DL1OWN");
    EXPECT_EQ(h.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(h.categoryBand, "ALL");
    EXPECT_EQ(h.categoryMode, "BPSK63");
    EXPECT_EQ(h.categoryPower, "HIGH");
    EXPECT_EQ(h.categoryTransmitter, "ONE");
    EXPECT_EQ(h.claimed + h.name + h.address + h.club + h.soapbox + h.email, "");
}

TEST_F(CabrilloHeaderEdit, DialogShowsStoredValuesUnescaped) {
    profile.values = {{"Operators", "DL1OWN DL2OP"},
                      {"Name", "Hans"},
                      {"Address", "Street 1<CR><LF>Berlin"},
                      {"Claimed", "77"},
                      {"Email", "a@b.de"},
                      {"Club", "Costa Verde RTTY Group"},
                      {"SoapBox", "fun<CR><LF>again"}};
    Edit("DL1OWN");
    const CabrilloHeader& h = env.shownHeaders[0];
    EXPECT_EQ(h.operators, "DL1OWN DL2OP");
    EXPECT_EQ(h.name, "Hans");
    EXPECT_EQ(h.address, "Street 1\r\nBerlin");
    EXPECT_EQ(h.claimed, "77");
    EXPECT_EQ(h.email, "a@b.de");
    EXPECT_EQ(h.club, "Costa Verde RTTY Group");
    EXPECT_EQ(h.soapbox, "fun\r\nagain");
}

TEST_F(CabrilloHeaderEdit, OkStoresEditedValuesEscaped) {
    env.dialog = [](CabrilloHeader& h) {
        h.name = "Hans";
        h.address = "Street 1\r\nBerlin";
        h.soapbox = "one\r\ntwo";
        h.categoryOperator = "MULTI-OP";
        h.contest = "MY CONTEST";
        return true;
    };
    EXPECT_EQ(Edit("DL1OWN"), 1);
    EXPECT_EQ(profile.values["Name"], "Hans");
    EXPECT_EQ(profile.values["Address"], "Street 1<CR><LF>Berlin");
    EXPECT_EQ(profile.values["SoapBox"], "one<CR><LF>two");
    EXPECT_EQ(profile.values["Category"], "MULTI-OP");
    EXPECT_EQ(profile.values["Contest"], "MY CONTEST");
    EXPECT_EQ(profile.values["Operators"], "DL1OWN");
    EXPECT_EQ(profile.writes, (std::vector<std::string>{"Operators", "Name", "Email", "Address",
                                                        "Category", "Contest", "Club", "SoapBox"}))
        << "the order a new file keeps them in";
}

TEST_F(CabrilloHeaderEdit, CancelStoresNothing) {
    env.dialog = [](CabrilloHeader& h) {
        h.name = "Changed";
        return false;
    };
    EXPECT_EQ(Edit("DL1OWN"), 0);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_NE(Written().find("NAME: \r\n"), std::string::npos);
}

TEST_F(CabrilloHeaderEdit, ClaimedAndModeNotTakenBack) {
    profile.values["Claimed"] = "77";
    env.dialog = [](CabrilloHeader& h) {
        h.claimed = "99999";
        h.categoryMode = "RTTY";
        return true;
    };
    Edit("DL1OWN");
    EXPECT_EQ(log.Header().claimed, "77");
    EXPECT_EQ(log.Header().categoryMode, "BPSK63");
    EXPECT_EQ(profile.values["Claimed"], "77");
}

struct BaseNameCase {
    const char* name;
    const char* callsign;
    const char* file;
};

class CabrilloBaseName : public CabrilloHeaderEdit,
                         public testing::WithParamInterface<BaseNameCase> {};

TEST_P(CabrilloBaseName, ComesFromCallsign) {
    Edit(GetParam().callsign);
    EXPECT_EQ(log.FileName(), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Table, CabrilloBaseName,
                         testing::Values(BaseNameCase{"Plain", "DL1OWN", "DL1OWN.cbr"},
                                         BaseNameCase{"Portable", "EA1ABC/P", "EA1ABC_P.cbr"},
                                         BaseNameCase{"Backslash", "A\\B", "A_B.cbr"},
                                         BaseNameCase{"BlanksCut", " DL1X ", "DL1X.cbr"},
                                         BaseNameCase{"BlanksOnly", "   ", "KOLVEX.cbr"},
                                         BaseNameCase{"Empty", "", "KOLVEX.cbr"}),
                         CaseName());

TEST_F(CabrilloHeaderEdit, CallsignLineKeepsSlash) {
    Edit("EA1ABC/P");
    EXPECT_NE(Written().find("\r\nCALLSIGN: EA1ABC/P\r\n"), std::string::npos);
}

TEST_F(CabrilloHeaderEdit, CallsignEditedInDialogKeepsFileName) {
    env.dialog = [](CabrilloHeader& h) {
        h.callsign = "DL1NEW";
        return true;
    };
    Edit("DL1OWN");
    log.AddQsoLine("EA1ABC", 14085, "RY", QsoTime(), "599", "001", "599", "M");
    EXPECT_EQ(log.FileName(), "DL1OWN.cbr");
    const std::string file = Written();
    EXPECT_NE(file.find("CALLSIGN: DL1NEW\r\n"), std::string::npos);
    EXPECT_NE(file.find(" DL1NEW        599 "), std::string::npos);
}

TEST_F(CabrilloHeaderEdit, WholeFileGolden) {
    env.dialog = [](CabrilloHeader& h) {
        h.name = "Hans";
        h.address = "Street 1\r\nBerlin";
        h.club = "Costa Verde RTTY Group";
        h.email = "a@b.de";
        return true;
    };
    Edit("DL1OWN");
    log.AddQsoLine("EA1ABC", 14085, "RY", QsoTime(), "599", "001", "599", "M");
    log.AddQsoLine("K4A", 7040, "??", QsoTime(14, 6), "579", "002", "559", "1234");
    EXPECT_EQ(WriteCabrilloFile(log.MakeFile(110, "3.1.1")), "File produced: DL1OWN.cbr");
    EXPECT_EQ(TempFolder::Read("DL1OWN.cbr"),
              "START-OF-LOG: 2.0\r\n"
              "ARRL-SECTION: DX\r\n"
              "CALLSIGN: DL1OWN\r\n"
              "CLUB: Costa Verde RTTY Group\r\n"
              "CONTEST: DARNOL\r\n"
              "CATEGORY: SINGLE-OP ALL\r\n"
              "CLAIMED-SCORE: 110\r\n"
              "OPERATORS: DL1OWN\r\n"
              "NAME: Hans\r\n"
              "ADDRESS: Street 1\r\n"
              "ADDRESS: Berlin\r\n"
              "SOAPBOX: \r\n"
              "EMAIL: a@b.de\r\n"
              "CREATED-BY: MixW 3.1.1\r\n"
              "QSO: 14085 RY 2017-02-12 1405 DL1OWN        599 001    EA1ABC        599 M\r\n"
              "QSO:  7040 ?? 2017-02-12 1406 DL1OWN        579 002    K4A           559 1234\r\n"
              "END-OF-LOG:\r\n");
}

TEST_F(CabrilloHeaderEdit, CancelledEditStillWritesOneTaggedLinePerLine) {
    profile.values["SoapBox"] = "one<CR><LF>two";
    env.dialog = [](CabrilloHeader&) { return false; };
    Edit("DL1OWN");
    EXPECT_NE(Written().find("\r\nSOAPBOX: one\r\nSOAPBOX: two\r\nEMAIL: "), std::string::npos);
}

TEST_F(CabrilloHeaderEdit, EmptyLogWritesHeaderAndEnd) {
    Edit("DL1OWN");
    const std::string file = Written();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 14);
    EXPECT_EQ(file.find("QSO:"), std::string::npos);
    EXPECT_EQ(file.substr(file.size() - 13), "END-OF-LOG:\r\n");
}

TEST_F(CabrilloHeaderEdit, ConfirmedEditEmptiesQsoLines) {
    log.AddQsoLine("EA1ABC", 14085, "RY", QsoTime(), "599", "001", "599", "M");
    Edit("DL1OWN");
    EXPECT_TRUE(log.QsoLines().empty());
}

TEST_F(CabrilloHeaderEdit, UnwritableFileReportedAsNotProduced) {
    Edit("DL1OWN");
    std::filesystem::create_directory("DL1OWN.cbr");
    EXPECT_EQ(WriteCabrilloFile(log.MakeFile(0, "MixW")), "File not produced: DL1OWN.cbr");
}

// The own call fills a field of 13 characters; a longer one, like any long
// text, pushes the rest of the line along and keeps its one separating blank.
struct QsoLineCase {
    const char* name;
    const char* line;
    int kHz = 14085;
    const char* ownCall = "DL1OWN";
    const char* call = "EA1A";
    const char* exchSent = "001";
    COleDateTime time = QsoTime();
};

const QsoLineCase kQsoLineCases[] = {
    {"FourDigitFrequency",
     "QSO:  3580 RY 2017-02-12 1405 DL1OWN        599 001    EA1A          599 M\r\n", 3580},
    {"LongTextsNotCut",
     "QSO: 28080 RY 2017-02-12 1405 DL1OWN        599 1234567 EA1ABCDEFGHIJKL 599 M\r\n", 28080,
     "DL1OWN", "EA1ABCDEFGHIJKL", "1234567"},
    {"SixDigitFrequency",
     "QSO: 144000 RY 2017-02-12 1405 DL1OWN        599 001    EA1A          599 M\r\n", 144000},
    {"InvalidTime",
     "QSO: 14085 RY Invalid DateTime DL1OWN        599 001    EA1A          599 M\r\n", 14085,
     "DL1OWN", "EA1A", "001", COleDateTime(1.0, COleDateTime::invalid)},
    {"NullTime", "QSO: 14085 RY  DL1OWN        599 001    EA1A          599 M\r\n", 14085, "DL1OWN",
     "EA1A", "001", COleDateTime(1.0, COleDateTime::null)},
    {"OwnCallOfTwelvePadded",
     "QSO: 14085 RY 2017-02-12 1405 EA8ABCDEF/MM  599 001    EA1A          599 M\r\n", 14085,
     "EA8ABCDEF/MM"},
    {"OwnCallOfThirteenFillsField",
     "QSO: 14085 RY 2017-02-12 1405 EA8ABCDEF/QRP 599 001    EA1A          599 M\r\n", 14085,
     "EA8ABCDEF/QRP"},
    {"OwnCallOfFourteenNotCut",
     "QSO: 14085 RY 2017-02-12 1405 EA8ABCDEFG/QRP 599 001    EA1A          599 M\r\n", 14085,
     "EA8ABCDEFG/QRP"},
    {"OwnCallOfThirtyThreeNotCut",
     "QSO: 14085 RY 2017-02-12 1405 EA8ABCDEFGHIJKLMNOPQRSTUVWXYZ/QRP 599 001    EA1A          "
     "599 M\r\n",
     14085, "EA8ABCDEFGHIJKLMNOPQRSTUVWXYZ/QRP"},
    {"BothCallsOfThirteen",
     "QSO: 14085 RY 2017-02-12 1405 EA8ABCDEF/QRP 599 001    EA1ABCDEF/QRP 599 M\r\n", 14085,
     "EA8ABCDEF/QRP", "EA1ABCDEF/QRP"},
};

void PrintTo(const QsoLineCase& c, std::ostream* out) { *out << c.name; }

class CabrilloQsoLine : public CabrilloHeaderEdit,
                        public testing::WithParamInterface<QsoLineCase> {};

TEST_P(CabrilloQsoLine, WrittenWholeAfterTheHeader) {
    const QsoLineCase& c = GetParam();
    Edit(c.ownCall);
    log.AddQsoLine(c.call, c.kHz, "RY", c.time, "599", c.exchSent, "599", "M");
    const std::string file = Written();
    const std::string header = "\r\nCREATED-BY: MixW 3.1.1\r\n";
    const size_t start = file.find(header);
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(file.substr(start + header.size()), std::string(c.line) + "END-OF-LOG:\r\n");
}

INSTANTIATE_TEST_SUITE_P(Table, CabrilloQsoLine, testing::ValuesIn(kQsoLineCases), CaseName());

}  // namespace
