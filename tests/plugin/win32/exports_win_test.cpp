// The exports of the real Stats.dll with the inputs a host may really
// pass: null pointers, huge texts, any byte, any date, extreme numbers.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/plugin/win32/host_calls_win.h"
#include "tests/plugin/win32/stats_dll_win.h"
#include "tests/support/import_hook_win.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace {
// 16 April 2017 00:00 as an OLE date, and the date statuses.
constexpr double k16April2017 = 42841.0;
constexpr std::int32_t kValid = 0, kInvalid = 1, kNull = 2;

using namespace host_calls;

std::string AllHighBytes() {
    std::string text;
    for (int b = 0x80; b <= 0xFF; ++b) text += static_cast<char>(b);
    return text;
}

class Exports : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(StatsDll::Get().module, nullptr) << "Stats.dll not found beside the test";
        CreateDirectoryA("Plugins", nullptr);
        ASSERT_EQ(DoReset(Reset{}), 1);
    }
    TempFolder m_folder;
};
}  // namespace

TEST_F(Exports, FixedAnswers) {
    const StatsDll& dll = StatsDll::Get();
    EXPECT_EQ(dll.GetNumberOfSets(), 1);
    struct {
        int index;
        const char* name;
    } const names[] = {{0, "KOLVEX Contest (C)"}, {1, ""}, {-1, ""}, {INT_MIN, ""}, {INT_MAX, ""}};
    for (const auto& row : names) {
        const char* name = dll.GetSetName(row.index);
        ASSERT_NE(name, nullptr) << row.index;
        EXPECT_STREQ(name, row.name) << row.index;
    }
    const std::string big(1 << 20, 'x');
    EXPECT_EQ(dll.GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(dll.GetExchgCount0(big.c_str(), "", "\xFF"), 1);
}

TEST_F(Exports, SetVersionWithNullTurnsResultsIntoHtml) {
    const StatsDll& dll = StatsDll::Get();
    const std::string before = dll.GetResult0(nullptr);
    EXPECT_NE(before.rfind("<html>", 0), 0u) << "a text result until setVersion";
    EXPECT_EQ(dll.setVersion(nullptr), 0u);
    const char* html = dll.GetResult0(nullptr);
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(std::string(html).rfind("<html>", 0), 0u);
}

TEST_F(Exports, ResetCreatesTheBadQsoFileNamedByTheEndDate) {
    HostDateTime start{k16April2017 - 1, kValid}, end{k16April2017 + 0.5, kValid};
    Reset r;
    r.start = &start;
    r.end = &end;
    EXPECT_EQ(DoReset(r), 1);
    EXPECT_EQ(TempFolder::Read("BadQSO_StatsKOLVEX_16_04_2017.txt"), "KOLVEX TEST UBN file \r\n");
}

TEST_F(Exports, ResetTakesAnyDateAndNullTexts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    HostDateTime dates[] = {
        {k16April2017, kInvalid},
        {k16April2017, kNull},
        {k16April2017, 7},
        {nan, kValid},
        {inf, kValid},
        {-inf, kValid},
        {1e308, kValid},
        {-1e308, kValid},
        {-693959.5, kValid},
        {2958465.9999, kValid},
        {0.0, -1},
    };
    for (HostDateTime& date : dates) {
        Reset r;
        r.start = &date;
        r.end = &date;
        EXPECT_EQ(DoReset(r), 1) << date.dt << " status " << date.status;
        EXPECT_NE(StatsDll::Get().GetResult0(nullptr), nullptr);
    }
    Reset nulls;
    nulls.hostDir = nulls.ownCall = nulls.ownCountry = nullptr;
    EXPECT_EQ(DoReset(nulls), 1);
    EXPECT_EQ(TempFolder::Read("BadQSO_StatsKOLVEX_.txt"), "KOLVEX TEST UBN file \r\n")
        << "a null end date names the file with an empty date";
}

TEST_F(Exports, ResetTakesHugeAndHighByteTexts) {
    const std::string big(1 << 20, 'A');
    const std::string high = AllHighBytes();
    for (const std::string* text : {&big, &high}) {
        Reset r;
        r.hostDir = r.ownCall = r.ownCountry = r.unread = text->c_str();
        EXPECT_EQ(DoReset(r), 1);
        EXPECT_NE(StatsDll::Get().GetResult0(nullptr), nullptr);
    }
}

TEST_F(Exports, AddAndRemoveTakeANullInEveryPosition) {
    // Positions whose null makes AddData0 refuse the QSO: band, mode, exchanges.
    struct Row {
        const char* Qso::*field;
        int added;
    };
    const Row rows[] = {
        {&Qso::ownCall, 1},     {&Qso::call, 1},     {&Qso::mode, 0},         {&Qso::rstSent, 1},
        {&Qso::rstReceived, 1}, {&Qso::exchSent, 0}, {&Qso::exchReceived, 0}, {&Qso::callPrefix, 1},
        {&Qso::country, 1},     {&Qso::band, 0},     {&Qso::unread, 1},
    };
    for (const Row& row : rows) {
        Qso q;
        q.*row.field = nullptr;
        EXPECT_EQ(Add(q), row.added) << "null field " << (&row - rows);
        EXPECT_EQ(Remove(q), 1) << "null field " << (&row - rows);
    }
    Qso nullDates;
    nullDates.time = nullptr;
    nullDates.unreadTime = nullptr;
    EXPECT_EQ(Add(nullDates), 1);
    EXPECT_EQ(Remove(nullDates), 1);
    Qso allNull;
    allNull.ownCall = allNull.call = allNull.mode = allNull.rstSent = allNull.rstReceived =
        allNull.exchSent = allNull.exchReceived = allNull.callPrefix = allNull.country =
            allNull.band = nullptr;
    EXPECT_EQ(Add(allNull), 0);
    EXPECT_EQ(Remove(allNull), 1);
    EXPECT_NE(StatsDll::Get().GetResult0(nullptr), nullptr);
}

// Memory runs out for big blocks only: the exception that reports it still
// gets its few bytes.
void* (*g_malloc)(size_t) = nullptr;
void* __cdecl NoBigBlocks(size_t size) { return size >= (1 << 20) ? nullptr : g_malloc(size); }

// The host is told "logged" only when the QSO is in the log: after an add
// that runs out of memory, the same call is still new, not a duplicate.  A
// check that runs out of memory answers "allowed, nothing new", never
// "duplicate".
TEST_F(Exports, CallsThatRunOutOfMemoryLogNothingAndFlagNoDuplicate) {
    const std::string bigCall(1 << 20, 'B');
    Qso q;
    q.call = bigCall.c_str();
    Check check;
    check.call = bigCall.c_str();
    {
        const ImportHook hook("msvcrt.dll", "malloc", reinterpret_cast<void*>(&NoBigBlocks),
                              StatsDll::Get().module);
        g_malloc = reinterpret_cast<void* (*)(size_t)>(hook.Original());
        ASSERT_NE(g_malloc, nullptr) << "Stats.dll imports no malloc";
        EXPECT_EQ(Add(q), 0);
        EXPECT_EQ(DoCheck(check), 1);
    }
    EXPECT_EQ(DoCheck(check), 2) << "a new country, not a duplicate";
    EXPECT_EQ(Add(q), 1);
    EXPECT_EQ(DoCheck(check), 0) << "now a duplicate";
}

TEST_F(Exports, AddTakesHugeTextsAnyByteAnyDateAndAnyFrequency) {
    const std::string big(1 << 20, 'B');
    const std::string high = AllHighBytes();
    HostDateTime invalid{k16April2017, kInvalid}, garbage{std::nan(""), 9};
    struct Row {
        const char* what;
        Qso qso;
        int added;
    };
    std::vector<Row> rows;
    auto with = [](auto change) {
        Qso q;
        change(q);
        return q;
    };
    rows.push_back({"1 MB texts", with([&](Qso& q) {
                        q.ownCall = q.call = q.rstSent = q.rstReceived = q.exchSent =
                            q.exchReceived = q.callPrefix = q.country = q.unread = big.c_str();
                    }),
                    1});
    rows.push_back({"1 MB band", with([&](Qso& q) { q.band = big.c_str(); }), 0});
    rows.push_back({"1 MB mode", with([&](Qso& q) { q.mode = big.c_str(); }), 0});
    rows.push_back({"high bytes", with([&](Qso& q) {
                        q.call = q.exchReceived = q.country = q.callPrefix = high.c_str();
                    }),
                    1});
    rows.push_back({"band 20M", with([](Qso& q) { q.band = "20M"; }), 1});
    rows.push_back({"band 160m", with([](Qso& q) { q.band = "160m"; }), 0});
    rows.push_back({"invalid time", with([&](Qso& q) { q.time = &invalid; }), 1});
    rows.push_back({"garbage time", with([&](Qso& q) { q.time = &garbage; }), 1});
    rows.push_back({"0 Hz", with([](Qso& q) { q.freqHz = 0; }), 1});
    rows.push_back({"4294967295 Hz", with([](Qso& q) { q.freqHz = 4294967295u; }), 1});
    rows.push_back({"Spanish, no province", with([](Qso& q) {
                        q.country = "EA";
                        q.exchReceived = "\x80\xFF";
                    }),
                    1});
    for (const Row& row : rows) {
        EXPECT_EQ(Add(row.qso), row.added) << row.what;
        const char* result = StatsDll::Get().GetResult0(nullptr);
        ASSERT_NE(result, nullptr) << row.what;
        EXPECT_EQ(Remove(row.qso), 1) << row.what;
    }
}

TEST_F(Exports, CheckCallNeverWritesTheHostBuffers) {
    char out1[16], out2[16];
    std::fill(std::begin(out1), std::end(out1), 'Z');
    std::fill(std::begin(out2), std::end(out2), 'Z');
    Check c;
    c.out1 = out1;
    c.out2 = out2;
    DoCheck(c);
    EXPECT_EQ(std::string(out1, sizeof out1), std::string(sizeof out1, 'Z'));
    EXPECT_EQ(std::string(out2, sizeof out2), std::string(sizeof out2, 'Z'));
}

TEST_F(Exports, CheckCallAnswersTheHostsNumbers) {
    Qso logged;  // W1AB on 20 m
    logged.call = "W1AB";
    logged.callPrefix = "W1";
    logged.country = "K";
    ASSERT_EQ(Add(logged), 1);
    struct Row {
        const char* call;
        const char* prefix;
        const char* country;
        const char* band;
        int number;
    } const rows[] = {
        {"W1AB", "W1", "K", "20m", 0},     // duplicate
        {"W1XY", "W1", "K", "20m", 1},     // nothing new
        {"DL1AB", "DL1", "DL", "20m", 2},  // new country
        {"W2AB", "W2", "K", "20m", 3},     // new call area
        {"W2AB", "W2", "K", "160m", 4},    // refused
    };
    for (const Row& row : rows) {
        Check c;
        c.call = row.call;
        c.callPrefix = row.prefix;
        c.country = row.country;
        c.band = row.band;
        EXPECT_EQ(DoCheck(c), row.number) << row.call << " " << row.band;
    }
}

TEST_F(Exports, CheckCallKnowsANullBandFromAnEmptyOne) {
    // Empty log, host "MixW": a new country answers 2, a refusal 4.
    struct Row {
        const char* band;
        const char* band2;
        int verdict;
    };
    const Row rows[] = {
        {"20m", nullptr, 2}, {"20m", "20M", 2},     {"20m", "40m", 4},    {"20m", "", 4},
        {nullptr, "20m", 4}, {nullptr, nullptr, 4}, {"160m", nullptr, 4},
    };
    for (const Row& row : rows) {
        Check c;
        c.band = row.band;
        c.band2 = row.band2;
        EXPECT_EQ(DoCheck(c), row.verdict)
            << (row.band ? row.band : "null") << " / " << (row.band2 ? row.band2 : "null");
    }
}

TEST_F(Exports, ChecksTakeNullsHugeTextsAndAnyByte) {
    const StatsDll& dll = StatsDll::Get();
    const std::string big(1 << 20, '7');
    const std::string high = AllHighBytes();
    Check nulls;
    nulls.call = nulls.mode = nulls.callPrefix = nulls.country = nulls.band = nullptr;
    EXPECT_EQ(DoCheck(nulls), 4);
    for (const std::string* text : {&big, &high}) {
        Check c;
        c.call = c.callPrefix = c.country = c.unread = text->c_str();
        const int verdict = DoCheck(c);
        EXPECT_GE(verdict, 0);
        EXPECT_LE(verdict, 4);
        EXPECT_EQ(dll.IsValidExchg0(text->c_str(), text->c_str(), text->c_str(), nullptr, 0, 0, 0),
                  0);
    }
    EXPECT_EQ(dll.IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(dll.IsValidExchg0("1234", nullptr, nullptr, nullptr, 0, 0, 0), 1);
}

TEST_F(Exports, GetResultTakesANullOrARealPointerAndWritesMinusOne) {
    const StatsDll& dll = StatsDll::Get();
    ASSERT_NE(dll.GetResult0(nullptr), nullptr);
    int out = 12345;
    ASSERT_NE(dll.GetResult0(&out), nullptr);
    EXPECT_EQ(out, -1);
}

TEST_F(Exports, SetupSetShowsItsMessageAndChangesNothing) {
    const StatsDll& dll = StatsDll::Get();
    Qso q;
    ASSERT_EQ(Add(q), 1);
    const std::string before = dll.GetResult0(nullptr);
    std::string text;
    WindowDriver driver("Stats", [&](HWND box) {
        text = ItemText(box, 0xFFFF);  // the message text of a message box
        Press(box, IDOK);
    });
    dll.SetupSet0();
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(text, "No additional setup for this plugin");
    EXPECT_EQ(dll.GetResult0(nullptr), before);
}

TEST_F(Exports, ExportRunEditsTheHeaderAndWritesTheCabrilloFile) {
    HostDateTime start{k16April2017 - 1, kValid}, end{k16April2017, kValid};
    Reset r;
    r.exportRequest = 1;
    r.ownCall = "EA4XYZ/P";
    r.start = &start;
    r.end = &end;
    // The host's main window owns the header dialog and the Output box,
    // even while a window of its own (a dialog of the host) is the active one.
    HWND main = CreateWindowExA(0, "STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
    HWND hostDialog =
        CreateWindowExA(0, "STATIC", "Host dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 150,
                        80, main, nullptr, nullptr, nullptr);
    SetActiveWindow(hostDialog);
    ASSERT_EQ(GetActiveWindow(), hostDialog);
    HWND headerOwner = nullptr, outputOwner = nullptr;
    std::string shownCall;
    WindowDriver header("DARNOL Contest", [&](HWND dialog) {
        headerOwner = GetWindow(dialog, GW_OWNER);
        shownCall = ItemText(dialog, 1010);
        SetDlgItemTextA(dialog, 1002, "Calle Mayor 1\r\nMadrid");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(DoReset(r), 1);
    ASSERT_TRUE(header.Found());
    EXPECT_EQ(shownCall, "EA4XYZ/P");
    EXPECT_EQ(headerOwner, main);

    Qso q;
    q.time = &end;
    ASSERT_EQ(Add(q), 1);
    SetActiveWindow(hostDialog);
    ASSERT_EQ(GetActiveWindow(), hostDialog);
    std::string confirmation;
    WindowDriver output("Output", [&](HWND box) {
        outputOwner = GetWindow(box, GW_OWNER);
        confirmation = ItemText(box, 0xFFFF);
        Press(box, IDOK);
    });
    ASSERT_NE(StatsDll::Get().GetResult0(nullptr), nullptr);
    ASSERT_TRUE(output.Found());
    EXPECT_EQ(confirmation, "File produced: EA4XYZ_P.cbr");
    EXPECT_EQ(outputOwner, main);
    DestroyWindow(hostDialog);
    DestroyWindow(main);
    const std::string cabrillo = TempFolder::Read("EA4XYZ_P.cbr");
    EXPECT_NE(cabrillo.find("CALLSIGN: EA4XYZ/P\r\n"), std::string::npos) << cabrillo;
    EXPECT_NE(cabrillo.find("ADDRESS: Calle Mayor 1\r\nADDRESS: Madrid\r\n"), std::string::npos)
        << cabrillo;
    EXPECT_NE(cabrillo.find("QSO: 14085 RY 2017-04-16 0000 EA4XYZ/P"), std::string::npos)
        << cabrillo;
    // Leave export mode for the next test.
    EXPECT_EQ(DoReset(Reset{}), 1);
}
