// The live windows through the real Stats.dll, with this program as the
// host: it serves the automation object "MixW2.Application" from its main
// thread, calls the exports as the host does, and looks at what appears on
// the (Xvfb) screen: titles read back as Unicode, cell and table colours
// read back as pixels.  The cases run in order on one loaded plug-in.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"
#include "controls/painted_views.h"
#include "controls/wide_text.h"
#include "resources/resource.h"
#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/live_host_win.h"
#include "tests/support/screen_shot_win.h"
#include "tests/support/temp_folder.h"
#include "tools/automation_service.h"
#include "tools/message_pump.h"

namespace {

using namespace host_calls;

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);  // a worked cell's caption

// The window thread's calls to the host arrive as messages: waits pump them.
using live_host::PumpUntil;
using live_host::VisibleWindowTitled;

HostDateTime g_time{42777.6, 0};  // within the contest of ContestReset

// Text pixels in each of the first `cells` entry places of the multiplier
// list (40 by 15 pixels each, from x 5).
std::vector<int> ListInk(int cells) {
    HWND window = VisibleWindowTitled(L"KOLVEX-2017 EA100DX");
    HWND list = window != nullptr ? GetDlgItem(window, IDC_MULT_LIST) : nullptr;
    if (list == nullptr) return {};
    ScreenShot shot(window);
    std::vector<int> ink;
    for (int i = 0; i < cells; ++i)
        ink.push_back(shot.Ink(list, RECT{5 + 40 * i, 0, 45 + 40 * i, 15}));
    return ink;
}

// The previous-QSO window, whatever its title says.
HWND PrevQsoWindow() {
    const std::vector<HWND> found = live_host::PluginWindowsWith(IDC_PREV_TABLE);
    return found.empty() ? nullptr : found.front();
}

// The table's lines as the painter cuts them: the head, then one per band.
int LineHeight(HWND table) {
    RECT client;
    GetClientRect(table, &client);
    return client.bottom / (kWindowBands + 1);
}

// Text pixels on one line of the previous-QSO table (line 0 is the head,
// band index b is line b + 1), right of the band column.
int TableLineInk(HWND prev, int line) {
    HWND table = prev != nullptr ? GetDlgItem(prev, IDC_PREV_TABLE) : nullptr;
    if (table == nullptr) return -1;
    RECT client;
    GetClientRect(table, &client);
    const int h = LineHeight(table);
    return ScreenShot(prev).Ink(table, RECT{90, line * h + 10, client.right, (line + 1) * h});
}

// A map cell as the operator reads it: the multiplier it stands for, taken
// from what the window shows.
struct ShownCell {
    HWND cell;
    std::string code;
};
struct ShownMap {
    HWND window;
    bool province;
    std::vector<ShownCell> cells;
};

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A window's child controls of a class ("Button", "Static"), in z-order,
// which is the template's order.
std::vector<HWND> Children(HWND window, const char* className) {
    std::vector<HWND> found;
    if (window == nullptr) return found;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0) found.push_back(child);
    }
    return found;
}

LONG TopOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r.top;
}

// The country whose group a label of the call-area map heads, or "?".
std::string CountryLabelled(const std::string& label) {
    for (const CallAreaKind& kind : kCallAreaKind)
        if (label == kind.mapLabel) return kind.country;
    return "?";
}

// The province cells show their codes, but the HQ station's cell shows its
// call; a call-area cell shows its digit below the label of its country's
// group.
ShownMap ProvinceMap(HWND map) {
    ShownMap shown{map, true, {}};
    for (HWND cell : Children(map, "Button")) {
        const std::string caption = TextOf(cell);
        shown.cells.push_back({cell, caption == kHqCall ? kHqExchange : caption});
    }
    return shown;
}
ShownMap CallAreaMap(HWND map) {
    const std::vector<HWND> labels = Children(map, "Static");
    ShownMap shown{map, false, {}};
    for (HWND cell : Children(map, "Button")) {
        HWND group = nullptr;
        for (HWND label : labels)
            if (TopOf(label) <= TopOf(cell) && (group == nullptr || TopOf(label) > TopOf(group)))
                group = label;
        const std::string country = group == nullptr ? "?" : CountryLabelled(TextOf(group));
        shown.cells.push_back({cell, country + TextOf(cell)});
    }
    return shown;
}
std::vector<ShownMap> ShownMaps() {
    HWND province = VisibleWindowTitled(L"EA Prov");
    HWND area = VisibleWindowTitled(L" Call_Area");
    if (province == nullptr || area == nullptr) return {};
    return {ProvinceMap(province), CallAreaMap(area)};
}

// The codes a map shows, and those the tables give it: the provinces and
// the HQ, or the digits of each call-area country.  Equal, each code has
// exactly one cell, which shows that code.
std::multiset<std::string> ShownCodes(const ShownMap& map) {
    std::multiset<std::string> codes;
    for (const ShownCell& c : map.cells) codes.insert(c.code);
    return codes;
}
std::multiset<std::string> TableCodes(const ShownMap& map) {
    std::multiset<std::string> codes;
    if (map.province) {
        codes.insert(std::begin(kProvinceCodes), std::end(kProvinceCodes));
        codes.insert(kHqExchange);
    } else {
        for (const CallAreaKind& kind : kCallAreaKind)
            for (int digit = 0; digit <= 9; ++digit)
                codes.insert(kind.country + std::to_string(digit));
    }
    return codes;
}

// The map's cells that do not look as `worked` says, " SS dark SO lit": the
// cells of `worked` magenta with a yellow caption, every other cell green
// with none, each face also just inside its ring, left of the caption.
std::string Mismatches(const ShownMap& map, const std::set<std::string>& worked) {
    ScreenShot shot(map.window);
    std::string wrong;
    for (const ShownCell& c : map.cells) {
        const bool marked = worked.count(c.code) != 0;
        const COLORREF face = marked ? kMagenta : kGreen;
        RECT r;
        GetClientRect(c.cell, &r);
        if (shot.CellFace(c.cell) != face || shot.At(c.cell, 4, r.bottom / 2) != face ||
            (shot.Count(kYellow, c.cell) > 3) != marked)
            wrong += " " + c.code + (marked ? " dark" : " lit");
    }
    return wrong;
}
void ExpectWorked(const ShownMap& map, const std::set<std::string>& worked) {
    ASSERT_NE(map.window, nullptr);
    ASSERT_FALSE(map.cells.empty());
    EXPECT_EQ(Mismatches(map, worked), "");
}
std::string Mismatches(const std::vector<ShownMap>& maps, const std::set<std::string>& worked) {
    std::string wrong;
    for (const ShownMap& map : maps) wrong += Mismatches(map, worked);
    return wrong;
}

// The codes of all cells of `maps`.
std::set<std::string> AllCodes(const std::vector<ShownMap>& maps) {
    std::set<std::string> all;
    for (const ShownMap& map : maps)
        for (const ShownCell& c : map.cells) all.insert(c.code);
    return all;
}

// A QSO on `band` (10, 20 or 40 m) that works the multiplier `code`: a
// Spanish station sending the province, or a station of the call area; by
// default with a call made from the code.
class MultiplierQso {
  public:
    MultiplierQso(const std::string& code, bool province, const std::string& band = "10m",
                  const std::string& call = "")
        : m_call(!call.empty() ? call
                 : province    ? (code == "HQ" ? "EA4URE" : "EA1Z" + code)
                               : code + "ZZ"),
          m_country(province ? "EA" : code.substr(0, code.size() - 1)),
          m_prefix(province ? "EA1" : code),
          m_exchange(province ? code : "17"),
          m_band(band) {}
    Qso Get() const {
        Qso q;
        q.call = m_call.c_str();
        q.country = m_country.c_str();
        q.callPrefix = m_prefix.c_str();
        q.exchReceived = m_exchange.c_str();
        q.band = m_band.c_str();
        q.freqHz = m_band == "40m" ? 7040000 : m_band == "20m" ? 14085000 : 28085000;
        q.time = &g_time;
        return q;
    }

  private:
    std::string m_call, m_country, m_prefix, m_exchange, m_band;
};

// While a COM call is under way, Windows' wait dispatches what is posted to
// the calling thread; Wine's dispatches only sent and paint messages, so
// there a request posted meanwhile waits for the call to end.  Installed on
// a thread, this does what Windows' wait does: the thread dispatches what
// was posted to it when a window of it is sent DispatchPosted's message.
class PostedDispatch {
  public:
    explicit PostedDispatch(HWND window)
        : m_hook(SetWindowsHookExW(WH_CALLWNDPROC, &OnSent, nullptr,
                                   GetWindowThreadProcessId(window, nullptr))),
          m_window(window) {}
    ~PostedDispatch() {
        if (m_hook != nullptr) UnhookWindowsHookEx(m_hook);
    }
    PostedDispatch(const PostedDispatch&) = delete;
    PostedDispatch& operator=(const PostedDispatch&) = delete;

    bool Installed() const { return m_hook != nullptr; }
    // Returns once the window's thread has dispatched what was posted to it.
    void Run() const { SendMessageTimeoutW(m_window, Message(), 0, 0, SMTO_NORMAL, 5000, nullptr); }

  private:
    static UINT Message() {
        static const UINT message = RegisterWindowMessageW(L"LiveWindowsTest.DispatchPosted");
        return message;
    }
    static LRESULT CALLBACK OnSent(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        MSG msg;
        if (code == HC_ACTION && sent->message == Message()) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE))
                DispatchMessageW(&msg);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
    HWND m_window;
};

class LiveWindows : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_folder = new TempFolder;
        s_setupPlace = live_host::WriteEveryWindowSettings();
        s_service = new host::AutomationService;
        s_service->Start(host::AutomationQuirk::none);
        Host().SetDialHz(14085000.0);
    }
    static host::HostAutomation& Host() { return *s_service->Object(); }
    static void Type(const std::string& call) {
        Host().SetTypedCall(call);
        Check check;
        check.call = call.c_str();
        DoCheck(check);
    }
    // One refresh pass after the host has answered its calls.
    static void Settle() { host::PumpMessagesFor(400); }
    static void ResetStatistics() { DoReset(ContestReset()); }

    static TempFolder* s_folder;
    static POINT s_setupPlace;
    static host::AutomationService* s_service;
};
TempFolder* LiveWindows::s_folder = nullptr;
POINT LiveWindows::s_setupPlace{};
host::AutomationService* LiveWindows::s_service = nullptr;

TEST_F(LiveWindows, ResetStartsTheSetupWindowWhichConnectsAndOpensTheStoredWindows) {
    ASSERT_NE(StatsDll::Get().module, nullptr);
    ASSERT_TRUE(s_service->Object() != nullptr);
    ResetStatistics();
    ASSERT_TRUE(PumpUntil(
        [] { return VisibleWindowTitled(L"KOLVEX-2017 Previous QSO") != nullptr; }, 30000));
    HWND setup = VisibleWindowTitled(L"Setup KOLVEX-2017");
    ASSERT_NE(setup, nullptr);
    RECT place;
    GetWindowRect(setup, &place);
    EXPECT_EQ(place.left, s_setupPlace.x);
    EXPECT_EQ(place.top, s_setupPlace.y);
    const auto macros = Host().Macros();
    ASSERT_GE(macros.size(), 2u);
    EXPECT_EQ(macros[0], "<MODE:RTTY>");
    EXPECT_EQ(macros[1], "<BAUDRATE:45.45>");
    // The first refresh (no call typed, dial on 20 m) titles them all.
    for (const wchar_t* title : {L"EA Prov - worked on 20m 0 of 52", L" Call_Area 20m",
                                 L"KOLVEX-2017 EA100DX worked on 20m"})
        EXPECT_TRUE(PumpUntil([&] { return VisibleWindowTitled(title) != nullptr; })) << title;
    // The cases after this one read the windows' pixels off the screen.
    EXPECT_TRUE(live_host::PlaceSideBySide());
}

// The cells are ellipses: each corner of a cell shows the window's cream
// around the shape, the face shows just inside its ring, left of the
// caption.  The call-area map's labels sit on the darker shade of the
// controls' text.
TEST_F(LiveWindows, MapCellsAreEllipsesOnTheCreamAndLabelsOnTheirShade) {
    const COLORREF cream = RGB(255, 250, 198), labelShade = RGB(255, 240, 198);
    const std::vector<ShownMap> maps = ShownMaps();
    ASSERT_EQ(maps.size(), 2u);
    // What differs from that look, " SS corner 0,0 SO lit VE label"; the
    // windows may still be painting, so it is read until nothing differs.
    auto wrongLook = [&] {
        std::string wrong;
        for (const ShownMap& map : maps) {
            const ScreenShot shot(map.window);
            for (const ShownCell& c : map.cells) {
                RECT r;
                GetClientRect(c.cell, &r);
                for (const POINT p : {POINT{0, 0}, POINT{r.right - 1, 0}, POINT{0, r.bottom - 1},
                                      POINT{r.right - 1, r.bottom - 1}}) {
                    if (shot.At(c.cell, p.x, p.y) != cream)
                        wrong += " " + c.code + " corner " + std::to_string(p.x) + "," +
                                 std::to_string(p.y);
                }
            }
            wrong += Mismatches(map, {});  // not worked yet
            for (HWND label : Children(map.window, "Static"))
                if (shot.Count(labelShade, label) == 0) wrong += " " + TextOf(label) + " label";
        }
        return wrong;
    };
    for (const ShownMap& map : maps) EXPECT_EQ(ShownCodes(map), TableCodes(map));
    EXPECT_EQ(Children(maps[1].window, "Static").size(), std::size(kCallAreaKind));
    std::string wrong;
    PumpUntil([&] { return (wrong = wrongLook()).empty(); }, 3000);
    EXPECT_EQ(wrong, "");
}

TEST_F(LiveWindows, MapsShowWhatIsWorkedOnTheBandOfTheDial) {
    const MultiplierQso madrid("M", true, "20m", "EA4ZZA"), hq("HQ", true, "20m"),
        usa("K1", false, "20m", "K1QQA"), japan("JA9", false, "20m", "JA9QQB"),
        fortyMetres("V", true, "40m", "EA5ZZC");
    // The passes and the first paints of the opening done: the list shows
    // nothing worked yet.
    Settle();
    EXPECT_EQ(ListInk(1), std::vector<int>{0});
    for (const MultiplierQso* q : {&madrid, &hq, &usa, &japan, &fortyMetres})
        EXPECT_EQ(Add(q->Get()), 1);
    int out = 0;
    StatsDll::Get().GetResult0(&out);  // the host fetches the result after each QSO

    Type("");
    Settle();
    // One refresh shows the new multipliers in the list, in byte order:
    // EA, JA, JA9, K, K1, then nothing.
    EXPECT_TRUE(PumpUntil([] {
        const std::vector<int> ink = ListInk(6);
        return ink.size() == 6 && std::count(ink.begin(), ink.begin() + 5, 0) == 0 && ink[5] == 0;
    }));
    HWND province = VisibleWindowTitled(L"EA Prov - worked on 20m 2 of 52");
    ASSERT_NE(province, nullptr);
    ExpectWorked(ProvinceMap(province), {"M", "HQ"});
    HWND area = VisibleWindowTitled(L" Call_Area 20m");
    ASSERT_NE(area, nullptr);
    ExpectWorked(CallAreaMap(area), {"K1", "JA9"});
    EXPECT_NE(VisibleWindowTitled(L"KOLVEX-2017 EA100DX worked on 20m"), nullptr);

    Host().SetDialHz(7040000.0);
    Type("");
    Settle();
    province = VisibleWindowTitled(L"EA Prov - worked on 40m 1 of 52");
    ASSERT_NE(province, nullptr);
    ExpectWorked(ProvinceMap(province), {"V"});
    ExpectWorked(CallAreaMap(VisibleWindowTitled(L" Call_Area 40m")), {});

    // Removing the 40 m QSO resets the map; the next refresh marks what the
    // rebuilt lists still hold.
    EXPECT_EQ(Remove(fortyMetres.Get()), 1);
    StatsDll::Get().GetResult0(&out);
    Settle();
    ExpectWorked(ProvinceMap(VisibleWindowTitled(L"EA Prov - worked on 40m 0 of 52")), {});

    // M and K1 worked on 40 m too: each band change starts the maps afresh,
    // and what both bands hold is marked again on each.  The last pass with
    // no call stays on 40 m, as the next case expects.
    for (const MultiplierQso& q :
         {MultiplierQso("M", true, "40m", "EA4ZZD"), MultiplierQso("K1", false, "40m", "K1QQD")})
        EXPECT_EQ(Add(q.Get()), 1);
    StatsDll::Get().GetResult0(&out);
    for (double dialHz : {14085000.0, 7040000.0, 14085000.0, 7040000.0}) {
        const bool forty = dialHz < 10000000.0;
        Host().SetDialHz(dialHz);
        Type("");
        Settle();
        const std::wstring band = forty ? L"40m" : L"20m";
        ExpectWorked(ProvinceMap(VisibleWindowTitled(L"EA Prov - worked on " + band)),
                     forty ? std::set<std::string>{"M"} : std::set<std::string>{"M", "HQ"});
        ExpectWorked(CallAreaMap(VisibleWindowTitled(L" Call_Area " + band)),
                     forty ? std::set<std::string>{"K1"} : std::set<std::string>{"K1", "JA9"});
    }
    Host().SetDialHz(14085000.0);
}

TEST_F(LiveWindows, TypingACallRefreshesOncePerPassAndShowsItsEarlierQsos) {
    Settle();
    const int before = Host().TypedCallReads();
    // A burst of keystrokes while the host thread is busy: one request.
    std::string typed;
    for (char letter : std::string("EA4ZZA")) {
        typed += letter;
        Type(typed);
    }
    Settle();
    EXPECT_EQ(Host().TypedCallReads() - before, 1);
    HWND prev = VisibleWindowTitled(L"KOLVEX-2017 worked with EA4ZZA ");
    ASSERT_NE(prev, nullptr);
    // The table: the 20 m line highlighted (band index 3, line 4).
    HWND table = GetDlgItem(prev, IDC_PREV_TABLE);
    const int h = LineHeight(table);
    ScreenShot shot(prev);
    EXPECT_EQ(shot.At(table, 2, 4 * h + 12), RGB(198, 255, 255));
    EXPECT_EQ(shot.At(table, 2, 5 * h + 12), RGB(255, 255, 198));
    // The multiplier window keeps the band of the last pass with no call.
    EXPECT_NE(VisibleWindowTitled(L"KOLVEX-2017 EA100DX worked on 40m"), nullptr);

    // A call of one or two characters changes nothing.
    Type("EA");
    Settle();
    EXPECT_NE(VisibleWindowTitled(L"KOLVEX-2017 worked with EA4ZZA "), nullptr);
}

TEST_F(LiveWindows, TheDialMovingMoreThan300HzSendsSp1) {
    auto sp1 = [] {
        int n = 0;
        for (const std::string& m : Host().Macros()) n += m == "<SP1>" ? 1 : 0;
        return n;
    };
    const int before = sp1();
    Host().SetDialHz(14085300.0);  // exactly 300 Hz from the last <SP1>
    Type("");
    Settle();
    EXPECT_EQ(sp1(), before);
    Host().SetDialHz(14085301.0);
    Type("");
    Settle();
    EXPECT_EQ(sp1(), before + 1);
    // Off the bands: the maps keep their band.
    Host().SetDialHz(29100000.0);
    Type("");
    Settle();
    EXPECT_NE(VisibleWindowTitled(L" Call_Area 20m"), nullptr);
    // There the table still follows the call: EA4ZZA's 20 m line (line 4)
    // fills with its mode, time and province.
    HWND prev = VisibleWindowTitled(L"KOLVEX-2017 Previous QSO");
    ASSERT_NE(prev, nullptr);
    auto lineInk = [&] { return TableLineInk(prev, 4); };
    const int empty = lineInk();
    Type("EA4ZZA");
    Settle();
    EXPECT_NE(VisibleWindowTitled(L"KOLVEX-2017 worked with EA4ZZA "), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return lineInk() > empty + 20; })) << empty;
}

TEST_F(LiveWindows, ASetupWindowOfALaterResetGoesOnFromTheDialTheLastOneSaw) {
    Host().SetDialHz(7040000.0);
    Type("");
    Settle();
    HWND setup = VisibleWindowTitled(L"Setup KOLVEX-2017");
    ASSERT_NE(setup, nullptr);
    // The operator closes the Setup window with Escape; its windows go along
    // (a reset while the Setup window still runs starts nothing).
    PostMessageW(setup, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([] { return live_host::PluginWindows(false).empty(); }));
    Host().SetDialHz(7040200.0);  // 200 Hz: no <SP1> due
    const size_t before = Host().Macros().size();
    // The first reset since the window thread started does not start it
    // again; the next one does.
    ResetStatistics();
    EXPECT_EQ(VisibleWindowTitled(L"Setup KOLVEX-2017"), nullptr);
    ResetStatistics();
    ASSERT_TRUE(PumpUntil(
        [] { return VisibleWindowTitled(L"EA Prov - worked on 40m 0 of 52") != nullptr; }));
    EXPECT_TRUE(live_host::PlaceSideBySide());
    Settle();
    const std::vector<std::string> opening = Host().Macros();
    EXPECT_EQ(std::vector<std::string>(opening.begin() + before, opening.end()),
              (std::vector<std::string>{"<MODE:RTTY>", "<BAUDRATE:45.45>"}));
    // 301 Hz from the dial of the last <SP1>, sent by the closed window.
    Host().SetDialHz(7040301.0);
    Type("");
    Settle();
    const std::vector<std::string> moved = Host().Macros();
    EXPECT_EQ(std::vector<std::string>(moved.begin() + opening.size(), moved.end()),
              std::vector<std::string>{"<SP1>"});
}

TEST_F(LiveWindows, ARemovalWhileAPassWaitsForTheDialIsShownByOneMorePass) {
    HWND prev = PrevQsoWindow();
    ASSERT_NE(prev, nullptr);
    const MultiplierQso valencia("V", true, "40m", "EA5ZZF");
    const int fortyMetres = 3;  // band index 2
    Type(valencia.Get().call);
    Settle();
    const int empty = TableLineInk(prev, fortyMetres);
    EXPECT_EQ(Add(valencia.Get()), 1);
    int out = 0;
    StatsDll::Get().GetResult0(&out);
    Type(valencia.Get().call);
    Settle();
    ASSERT_TRUE(PumpUntil([&] { return TableLineInk(prev, fortyMetres) > empty + 20; })) << empty;

    // The next pass reads the log, then asks for the dial: the host removes
    // the QSO before it answers, and the window thread takes the request
    // the removal posts while it waits.
    const PostedDispatch waiting(VisibleWindowTitled(L"Setup KOLVEX-2017"));
    ASSERT_TRUE(waiting.Installed());
    bool removed = false;
    Host().BeforeNextDialAnswer([&] {
        removed = Remove(valencia.Get()) == 1;
        waiting.Run();
    });
    Type(valencia.Get().call);
    // No keystroke after it: the pass that follows empties the line.
    EXPECT_TRUE(PumpUntil([&] { return removed && TableLineInk(prev, fortyMetres) == empty; }))
        << removed << " " << TableLineInk(prev, fortyMetres) << " " << empty;
    Host().BeforeNextDialAnswer(nullptr);  // not left armed with this test's locals
}

TEST_F(LiveWindows, TheWorkedWithTitleShowsATypedCallOfTheHostsCodePage) {
    // The host's log holds ANSI text: byte 0xC9 is a letter in the usual
    // code pages (1252 and 1250 E acute, 1251 Cyrillic short I).
    const std::string call = "EA4\xC9ZZ";
    wchar_t wide[8] = {};
    const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, call.data(),
                                      static_cast<int>(call.size()), wide, 8);
    if (n != 6 || wide[3] < 0x80) GTEST_SKIP() << "no letter 0xC9 in code page " << GetACP();
    std::printf("code page %u: 0xC9 is U+%04X\n", GetACP(), static_cast<unsigned>(wide[3]));
    Type(call);
    Settle();
    const std::wstring title = L"KOLVEX-2017 worked with " + std::wstring(wide, 6) + L" ";
    HWND prev = PrevQsoWindow();
    EXPECT_TRUE(PumpUntil([&] { return WindowTextWide(prev) == title; }));
    for (wchar_t c : WindowTextWide(prev))
        if (c > 0x7F) std::printf("title holds U+%04X\n", static_cast<unsigned>(c));
}

// On 10 m, where nothing is worked yet, the cells of both maps are worked
// one at a time, each map's next cell in the same step.  After each step
// the cells lit are exactly those whose shown code has been worked: a cell
// that answers to another code than the one it shows fails at once.
TEST_F(LiveWindows, EachMapCellLightsForTheCodeItShowsAndNoOther) {
    Host().SetDialHz(28085000.0);
    Type("");
    Settle();
    const std::vector<ShownMap> maps = ShownMaps();
    ASSERT_EQ(maps.size(), 2u);
    for (const ShownMap& map : maps) ASSERT_EQ(ShownCodes(map), TableCodes(map));
    std::set<std::string> worked;
    int out = 0;
    for (size_t step = 0; step < maps[0].cells.size(); ++step) {
        std::string added;
        for (const ShownMap& map : maps) {
            if (step >= map.cells.size()) continue;
            const std::string& code = map.cells[step].code;
            EXPECT_EQ(Add(MultiplierQso(code, map.province).Get()), 1) << code;
            worked.insert(code);
            added += " " + code;
        }
        StatsDll::Get().GetResult0(&out);
        Type("");
        std::string wrong;
        PumpUntil(
            [&] {
                wrong = Mismatches(maps, worked);
                return wrong.empty();
            },
            3000);
        ASSERT_EQ(wrong, "") << "after working" << added;
    }
}

// Every cell of both maps is lit (the last case).  A removal resets the map
// of its station at once.  The refresh it also asks for finds a call of two
// letters being typed and marks nothing, so the maps show the reset alone.
TEST_F(LiveWindows, ARemovalResetsTheMapOfItsStationAndLeavesTheOther) {
    const std::vector<ShownMap> maps = ShownMaps();
    ASSERT_EQ(maps.size(), 2u);
    const std::set<std::string> all = AllCodes(maps);
    auto allLit = [&] { return Mismatches(maps, all); };
    int out = 0;
    for (size_t reset = 0; reset < maps.size(); ++reset) {
        const ShownMap& kept = maps[1 - reset];
        ASSERT_TRUE(PumpUntil([&] { return allLit().empty(); })) << allLit();
        const MultiplierQso removed(maps[reset].cells.front().code, maps[reset].province);
        Host().SetTypedCall("EA");
        EXPECT_EQ(Remove(removed.Get()), 1);
        EXPECT_TRUE(PumpUntil([&] { return Mismatches(maps[reset], {}).empty(); }))
            << Mismatches(maps[reset], {});
        Settle();
        EXPECT_EQ(Mismatches(kept, all), "") << "after removing " << removed.Get().call;
        EXPECT_EQ(Add(removed.Get()), 1);
        StatsDll::Get().GetResult0(&out);
        Type("");
    }
    EXPECT_TRUE(PumpUntil([&] { return allLit().empty(); })) << allLit();
}

// "Window on top" closes the windows; the refresh it asks for opens them
// again as due.  When that pass fails at the host's first answer, the
// windows are still filled at once, with no call typed meanwhile.
TEST_F(LiveWindows, WindowsOpenedAsDueAreFilledThoughThePassAfterTheOpeningFails) {
    const std::vector<ShownMap> before = ShownMaps();
    ASSERT_EQ(before.size(), 2u);
    const std::set<std::string> all = AllCodes(before);
    HWND setup = VisibleWindowTitled(L"Setup KOLVEX-2017");
    ASSERT_NE(setup, nullptr);
    Settle();
    Host().FailNextAnswer();
    PostMessageW(GetDlgItem(setup, IDC_SETUP_ON_TOP), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(before[1].window); }));
    EXPECT_TRUE(PumpUntil(
        [&] {
            const std::vector<ShownMap> maps = ShownMaps();
            return maps.size() == 2 && VisibleWindowTitled(L" Call_Area 10m") != nullptr &&
                   Mismatches(maps, all).empty();
        },
        3000));
}

TEST_F(LiveWindows, UnloadClosesEveryWindowWithinTheBound) {
    const DWORD start = GetTickCount();
    EXPECT_TRUE(FreeLibrary(StatsDll::Get().module));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(GetModuleHandleA("Stats.dll"), nullptr);
    host::PumpMessagesFor(200);
    for (const wchar_t* title :
         {L"Setup", L"EA Prov", L" Call_Area", L"KOLVEX-2017 EA100DX", L"KOLVEX-2017 worked"})
        EXPECT_EQ(VisibleWindowTitled(title), nullptr) << title;
    delete s_service;
    delete s_folder;
}

}  // namespace
