// The window thread with the real Setup window and information windows,
// in this process (the test program carries the same resources as the DLL).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "controls/wide_text.h"
#include "plugin/shared_state.h"
#include "plugin/win32/window_thread.h"
#include "resources/resource.h"
#include "settings/win32/profile_store_win32.h"
#include "tests/support/requested_places_win.h"
#include "tests/support/screen_shot_win.h"
#include "tests/support/temp_folder.h"
#include "windows/win32/info_slots.h"

namespace {

bool WaitFor(const std::function<bool()>& done, DWORD ms = 15000) {
    for (DWORD waited = 0; waited < ms; waited += 10) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

// True once the window in `entry` is made and shown: its opening (place,
// z-order, title) is done.  It registers itself early in the opening.
bool Shown(const std::atomic<HWND>& entry) {
    HWND window = entry;
    return window != nullptr && IsWindowVisible(window);
}

// True when `window` lies above `other` on the screen.
bool Above(HWND window, HWND other) {
    while (window != nullptr && window != other) window = GetWindow(window, GW_HWNDNEXT);
    return window == other;
}

// The window's top left corner on the screen.
std::pair<LONG, LONG> PlaceOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return {place.left, place.top};
}

// The mouse passing over the window, where it saves a place it was moved to.
void Hover(HWND window) {
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT);
}

void MoveThenHover(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Hover(window);
}

// The plug-in's icon: the one shared icon of the module's resource, which
// every load of it with the same size gives back.
HICON PluginIcon() {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_STATS),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

bool CloseCommandDisabled(HWND window) {
    return (GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_DISABLED) != 0;
}

// The cursor after the mouse moved over `over`, a control of `window`, or
// the window itself.  The cursor belongs to the input state of the
// window's thread, which this thread shares meanwhile.
HCURSOR CursorAfterMouseOver(HWND window, HWND over) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // this thread's queue
    const DWORD self = GetCurrentThreadId();
    const DWORD ui = GetWindowThreadProcessId(window, nullptr);
    if (!AttachThreadInput(self, ui, TRUE)) return nullptr;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HCURSOR now = GetCursor();
    AttachThreadInput(self, ui, FALSE);
    return now;
}

// The plug-in's windows with the keys of their stored places (as a settings
// file holds them) and where each opens without a usable one.
struct PlacedWindow {
    const char* name;
    const char* xKey;
    const char* yKey;
    POINT fallback;
    std::atomic<HWND> WindowRegistry::*entry;
};
const PlacedWindow kPlacedWindows[] = {
    {"Setup", "setup_x", "setup_y", {10, 400}, &WindowRegistry::g_setupWnd},
    {"Multiplier", "dxcc_x", "dxcc_y", {10, 400}, &WindowRegistry::g_multiplierWnd},
    {"call areas", "area_x", "area_y", {10, 10}, &WindowRegistry::g_callAreaWnd},
    {"provinces", "ea_x", "ea_y", {10, 10}, &WindowRegistry::g_provinceWnd},
    {"previous QSOs", "prev_x", "prev_y", {10, 400}, &WindowRegistry::g_prevQsoWnd},
};

class WindowThreadTest : public testing::Test {
  protected:
    WindowThreadTest() : settings(store), windows(shared, settings) {
        CreateDirectoryA("Plugins", nullptr);
        state.g_contestYear = "2017";
    }
    ~WindowThreadTest() override { windows.CloseAllWindows(false); }

    HWND StartSetup() {
        windows.StartUiThread();
        // The first window of a fresh Wine prefix may take seconds.
        WaitFor([&] { return windows.SetupRunning(); }, 30000);
        HWND setup = windows.Registry().g_setupWnd;
        // The first refresh is posted at the end of the opening.
        WaitFor([&] { return IsWindowVisible(setup) != FALSE; });
        Sleep(100);
        return setup;
    }
    void Click(int id) {
        HWND setup = windows.Registry().g_setupWnd;
        SendMessageA(GetDlgItem(setup, id), BM_CLICK, 0, 0);
        Sleep(100);
    }
    void ShowAllInfoWindows() {
        for (const InfoSlot& slot : kInfoSlots) settings.WriteFlag(slot.showKey, true);
    }
    bool AllInfoWindowsShown() {
        return WaitFor([&] {
            return std::all_of(kInfoSlots.begin(), kInfoSlots.end(), [&](const InfoSlot& slot) {
                return Shown(windows.Registry().*slot.entry);
            });
        });
    }
    bool Checked(int id) {
        return SendMessageA(GetDlgItem(windows.Registry().g_setupWnd, id), BM_GETCHECK, 0, 0) ==
               BST_CHECKED;
    }

    TempFolder folder;
    PluginState state;
    SharedState shared{state};
    ProfileStoreWin32 store;
    Settings settings;
    WindowThread windows;
};

TEST_F(WindowThreadTest, FreshInstallationOpensSetupWithBoxesClear) {
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(WindowTextWide(setup), L"Setup KOLVEX-2017");
    EXPECT_NE(GetWindowLongA(setup, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    for (int id : {IDC_SETUP_EADX100, IDC_SETUP_CALL_AREA, IDC_SETUP_PROVINCE, IDC_SETUP_ON_TOP,
                   IDC_SETUP_PREV_QSO, IDC_SETUP_OLD_STYLE})
        EXPECT_FALSE(Checked(id)) << id;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_SETUP_OLD_STYLE)));
    EXPECT_EQ(windows.Registry().g_multiplierWnd.load(), nullptr);
    windows.CloseAllWindows(false);
    EXPECT_FALSE(windows.SetupRunning());
    EXPECT_FALSE(IsWindow(setup));
}

TEST_F(WindowThreadTest, BoxesOpenAndCloseTheirWindowsAndWriteTheirKeys) {
    StartSetup();
    WindowRegistry& r = windows.Registry();
    struct Box {
        int id;
        std::atomic<HWND>* entry;
        const char* key;
        StationKinds resetBy;  // the kinds of station whose removal resets it
    };
    for (const Box& box :
         {Box{IDC_SETUP_EADX100, &r.g_multiplierWnd, "EA100DX", 0},
          Box{IDC_SETUP_CALL_AREA, &r.g_callAreaWnd, "Call_Area", kCallAreaStation},
          Box{IDC_SETUP_PROVINCE, &r.g_provinceWnd, "Province", kSpanishStation},
          Box{IDC_SETUP_PREV_QSO, &r.g_prevQsoWnd, "setup_view_prev_qso", 0}}) {
        Click(box.id);
        HWND opened = box.entry->load();
        EXPECT_TRUE(IsWindowVisible(opened)) << box.key;
        EXPECT_TRUE(Checked(box.id)) << box.key;
        EXPECT_EQ(settings.ReadText(box.key, "?"), "1");
        // A removal asks for a map reset; the answer names the kinds whose map is open.
        EXPECT_EQ(windows.PostMapReset(kSpanishStation | kCallAreaStation), box.resetBy) << box.key;
        Click(box.id);
        EXPECT_EQ(box.entry->load(), nullptr) << box.key;
        EXPECT_FALSE(IsWindow(opened)) << box.key;
        EXPECT_FALSE(Checked(box.id)) << box.key;
        EXPECT_EQ(settings.ReadText(box.key, "?"), "0");
    }
}

// A 1-pixel margin left and top, 3 pixels right and bottom.
TEST_F(WindowThreadTest, TheMultiplierListFollowsItsWindowsSize) {
    StartSetup();
    Click(IDC_SETUP_EADX100);
    HWND window = windows.Registry().g_multiplierWnd;
    ASSERT_NE(window, nullptr);
    RECT frame{0, 0, 300, 200};
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client, list;
    GetClientRect(window, &client);
    ASSERT_EQ(client.right, 300);
    ASSERT_EQ(client.bottom, 200);
    GetWindowRect(GetDlgItem(window, IDC_MULT_LIST), &list);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, 1);
    EXPECT_EQ(list.top, 1);
    EXPECT_EQ(list.right, 297);
    EXPECT_EQ(list.bottom, 197);
}

// What the five windows share: the plug-in's icon (the task switcher shows
// it), no Close command (the title bar's X would hide a window whose box
// still reads open), and the cursor set as the mouse moves over them.
TEST_F(WindowThreadTest, EveryWindowHasThePluginsIconNoCloseCommandAndSetsTheCursor) {
    ShowAllInfoWindows();
    HWND setup = StartSetup();
    ASSERT_TRUE(AllInfoWindowsShown());
    const HICON icon = PluginIcon();
    ASSERT_NE(icon, nullptr);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    for (const PlacedWindow& w : kPlacedWindows) {
        HWND window = windows.Registry().*w.entry;
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), icon)
            << w.name;
        EXPECT_TRUE(CloseCommandDisabled(window)) << w.name;
        EXPECT_EQ(CursorAfterMouseOver(window, window), arrow) << w.name;
    }
    EXPECT_EQ(CursorAfterMouseOver(setup, GetDlgItem(setup, IDC_SETUP_EADX100)), arrow);
}

// x and y differ within each window and from every other window's, so a
// window that reads or writes a key of the wrong axis or of another window
// opens or saves elsewhere: window i is stored at (x, x + 30) and moved to
// (x + 10, x + 60), x = 100 + 40 i.
TEST_F(WindowThreadTest, EachWindowOpensAtItsOwnKeysAndSavesItsMoveThere) {
    ShowAllInfoWindows();
    auto xOf = [](const PlacedWindow& w) { return 100L + 40L * (&w - kPlacedWindows); };
    for (const PlacedWindow& w : kPlacedWindows) {
        settings.WriteInt(w.xKey, xOf(w));
        settings.WriteInt(w.yKey, xOf(w) + 30);
    }
    StartSetup();
    ASSERT_TRUE(AllInfoWindowsShown());
    for (const PlacedWindow& w : kPlacedWindows) {
        HWND window = windows.Registry().*w.entry;
        EXPECT_EQ(PlaceOf(window), std::make_pair(xOf(w), xOf(w) + 30)) << w.name;
        MoveThenHover(window, xOf(w) + 10, xOf(w) + 60);
    }
    for (const PlacedWindow& w : kPlacedWindows) {
        EXPECT_EQ(settings.ReadText(w.xKey, "?"), std::to_string(xOf(w) + 10)) << w.name;
        EXPECT_EQ(settings.ReadText(w.yKey, "?"), std::to_string(xOf(w) + 60)) << w.name;
    }
}

// Setup wears the plug-in's cream, its label and boxes in black on the darker
// shade of the controls' text; the Multiplier window keeps the system's dialog
// face around its list (a margin of 3 pixels right and bottom).
TEST_F(WindowThreadTest, SetupIsCreamWithShadedControlsAndTheMultiplierKeepsSystemColours) {
    const COLORREF cream = RGB(255, 250, 198), controlShade = RGB(255, 240, 198);
    settings.WriteFlag("EA100DX", true);
    settings.WriteInt("dxcc_x", 400);  // clear of the Setup window at (10, 400)
    settings.WriteInt("dxcc_y", 100);
    HWND setup = StartSetup();
    WindowRegistry& r = windows.Registry();
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_multiplierWnd); }));
    HWND multiplier = r.g_multiplierWnd;
    // What differs from those colours; the windows may still be painting,
    // so they are read until nothing differs.
    auto wrongColours = [&] {
        std::string wrong;
        RECT client;
        GetClientRect(multiplier, &client);
        const ScreenShot list(multiplier);
        if (list.At(multiplier, client.right - 1, client.bottom - 1) != GetSysColor(COLOR_3DFACE))
            wrong += " Multiplier face";
        const ScreenShot shot(setup);
        if (shot.At(setup, 1, 1) != cream) wrong += " Setup face";
        for (int id : {IDC_SETUP_VIEW, IDC_SETUP_EADX100, IDC_SETUP_ON_TOP})
            if (shot.Count(controlShade, GetDlgItem(setup, id)) == 0 ||
                shot.Count(RGB(0, 0, 0), GetDlgItem(setup, id)) == 0)
                wrong += " control " + std::to_string(id);
        return wrong;
    };
    std::string wrong;
    WaitFor([&] { return (wrong = wrongColours()).empty(); }, 3000);
    EXPECT_EQ(wrong, "");
}

TEST_F(WindowThreadTest, StoredChoicesCheckTheBoxesOpenWindowsAndClosingSetupClearsRegistry) {
    ShowAllInfoWindows();
    settings.WriteFlag("style", true);
    HWND setup = StartSetup();
    WindowRegistry& r = windows.Registry();
    ASSERT_TRUE(AllInfoWindowsShown());
    // The table the operator reads while typing opens last, on top.
    for (HWND other : {r.g_multiplierWnd.load(), r.g_callAreaWnd.load(), r.g_provinceWnd.load()})
        EXPECT_TRUE(Above(r.g_prevQsoWnd, other));
    for (int id : {IDC_SETUP_EADX100, IDC_SETUP_CALL_AREA, IDC_SETUP_PROVINCE, IDC_SETUP_PREV_QSO,
                   IDC_SETUP_OLD_STYLE})
        EXPECT_TRUE(Checked(id)) << id;
    EXPECT_FALSE(Checked(IDC_SETUP_ON_TOP));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_SETUP_OLD_STYLE)));
    HWND province = r.g_provinceWnd;
    EXPECT_TRUE(IsWindowVisible(province));
    // The title follows the showing.
    EXPECT_TRUE(
        WaitFor([&] { return WindowTextWide(r.g_prevQsoWnd) == L"KOLVEX-2017 Previous QSO"; }));
    // The operator ends the Setup window: the thread ends and takes its
    // windows along; nothing stays registered.
    PostMessageA(setup, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !windows.SetupRunning(); }));
    for (const PlacedWindow& w : kPlacedWindows) EXPECT_EQ((r.*w.entry).load(), nullptr) << w.name;
    EXPECT_FALSE(IsWindow(province));
    // A later Setup window opens them again.
    StartSetup();
    EXPECT_TRUE(WaitFor([&] { return r.g_provinceWnd != nullptr; }));
}

TEST_F(WindowThreadTest, RussianCaptionsAreReadBackAsUnicode) {
    state.g_russianCaptions = 1;
    HWND setup = StartSetup();
    EXPECT_EQ(WindowTextWide(setup), L"Установки KOLVEX-2017");
    const std::pair<int, const wchar_t*> captions[] = {
        {IDC_SETUP_VIEW, L"Отображать"},     {IDC_SETUP_EADX100, L"EADX100 страны"},
        {IDC_SETUP_CALL_AREA, L"Call_Area"}, {IDC_SETUP_PROVINCE, L"Провинции Испании"},
        {IDC_SETUP_ON_TOP, L"Поверх окон"},  {IDC_SETUP_PREV_QSO, L"Предыдущие QSO"},
        {IDC_SETUP_OLD_STYLE, L"Old style"},
    };
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(WindowTextWide(GetDlgItem(setup, id)), caption) << id;
    Click(IDC_SETUP_PREV_QSO);
    EXPECT_EQ(WindowTextWide(windows.Registry().g_prevQsoWnd), L"KOLVEX-2017 Предыдущие QSO");
}

TEST_F(WindowThreadTest, OldHostVersionsDisablePreviousQso) {
    for (const char* version : {"2.19", "2.15", "2.20", "3.1.1", "MixW"}) {
        state.g_hostVersion = version;
        HWND setup = StartSetup();
        const bool old = state.g_hostVersion == "2.19" || state.g_hostVersion == "2.15";
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(setup, IDC_SETUP_PREV_QSO)) == FALSE, old) << version;
        windows.CloseAllWindows(false);
    }
}

TEST_F(WindowThreadTest, WindowOnTopReopensTheWindowsTopmostAndStartsClearNextTime) {
    settings.WriteFlag("Province", true);
    StartSetup();
    WindowRegistry& r = windows.Registry();
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_provinceWnd); }));
    HWND before = r.g_provinceWnd;
    EXPECT_EQ(GetWindowLongA(before, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    Click(IDC_SETUP_ON_TOP);
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_provinceWnd) && r.g_provinceWnd != before; }));
    EXPECT_NE(GetWindowLongA(r.g_provinceWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(settings.ReadText("setup_window_on_top", "?"), "1");
    EXPECT_TRUE(Checked(IDC_SETUP_ON_TOP));
    // A window opened from its box now is topmost too.
    Click(IDC_SETUP_EADX100);
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_multiplierWnd); }));
    EXPECT_NE(GetWindowLongA(r.g_multiplierWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    windows.CloseAllWindows(false);
    StartSetup();
    EXPECT_FALSE(Checked(IDC_SETUP_ON_TOP));
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_provinceWnd); }));
    EXPECT_EQ(GetWindowLongA(r.g_provinceWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(WindowThreadTest, PositionsAreSavedWhenTheMouseMovesOverAMovedWindow) {
    settings.WriteInt("ea_x", 600);
    settings.WriteFlag("Province", true);
    HWND setup = StartSetup();
    WindowRegistry& r = windows.Registry();
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_provinceWnd); }));
    EXPECT_EQ(PlaceOf(r.g_provinceWnd), std::make_pair(600L, 10L));
    Hover(setup);
    EXPECT_EQ(settings.ReadText("setup_x", "none"), "none");  // unmoved: nothing written
    MoveThenHover(setup, 300, 400);
    EXPECT_EQ(settings.ReadText("setup_x", "none"), "300");
    EXPECT_EQ(settings.ReadText("setup_y", "none"), "none");
    // Moved down only: the new y goes to its own key, the x stays.
    MoveThenHover(setup, 300, 520);
    EXPECT_EQ(settings.ReadText("setup_x", "none"), "300");
    EXPECT_EQ(settings.ReadText("setup_y", "none"), "520");
    // Put at the default for a y on no screen and moved sideways only, it
    // keeps both coordinates: the next one opens where this one was left.
    windows.CloseAllWindows(false);
    settings.WriteInt("setup_y", -2147483000);
    MoveThenHover(StartSetup(), 300, 400);
    EXPECT_EQ(settings.ReadText("setup_y", "none"), "400");
    windows.CloseAllWindows(false);
    EXPECT_EQ(PlaceOf(StartSetup()), std::make_pair(300L, 400L));
}

// The same stored value in every key, read as atoi reads it: not a number
// is 0, which means the default place; one too big for an int wraps
// ("99999999999" reads as 1215752191).  A value that puts the title bar on
// no screen (a monitor that is gone, a corrupt key) gives the default place,
// and its keys stay until the window is moved; on the screen, even partly
// off an edge, the window opens as stored.
TEST_F(WindowThreadTest, EachWindowOpensAtItsStoredPlaceWhileItsTitleBarMeetsAScreen) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Row {
        const char* name;
        std::string x, y;  // empty: no keys (the first row)
        bool onScreen;
    };
    const Row rows[] = {
        {"missing", "", "", false},
        {"not a number", "abc", "abc", false},
        {"negative", "-5", "-5", true},
        {"above the screen", "-40", "-40", false},
        {"too big", "99999999999", "99999999999", false},
        {"on a monitor that is gone", std::to_string(GetSystemMetrics(SM_XVIRTUALSCREEN) - 4000),
         "300", false},
        {"corrupt", "2147483000", "-2147483000", false},
        {"partly off the right and bottom", std::to_string(work.right - 80),
         std::to_string(work.bottom - 10), true},
        {"off the left edge", std::to_string(work.left - 100), std::to_string(work.top + 300),
         true},
    };
    ShowAllInfoWindows();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const PlacedWindow& w : kPlacedWindows) {
            if (!row.x.empty()) settings.WriteText(w.xKey, row.x);
            if (!row.y.empty()) settings.WriteText(w.yKey, row.y);
        }
        // Where each is put: a window manager may pull one partly off the
        // screen onto it afterwards.
        const RequestedPlaces asked;
        ASSERT_TRUE(asked.Hooked());
        StartSetup();
        ASSERT_TRUE(AllInfoWindowsShown());
        for (const PlacedWindow& w : kPlacedWindows) {
            HWND window = windows.Registry().*w.entry;
            const POINT at = asked.Of(window).value_or(POINT{-1, -1});
            const POINT stored{std::atoi(row.x.c_str()), std::atoi(row.y.c_str())};
            const POINT expected = row.onScreen ? stored : w.fallback;
            EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(expected.x, expected.y)) << w.name;
            if (row.onScreen) continue;
            Hover(window);
            EXPECT_EQ(settings.ReadText(w.xKey, ""), row.x) << w.name;
            EXPECT_EQ(settings.ReadText(w.yKey, ""), row.y) << w.name;
        }
        windows.CloseAllWindows(false);
    }
}

TEST_F(WindowThreadTest, EnterDoesNothingAndEscapeHidesAMapWindowThatStaysRegistered) {
    settings.WriteFlag("Call_Area", true);
    HWND setup = StartSetup();
    WindowRegistry& r = windows.Registry();
    ASSERT_TRUE(WaitFor([&] { return Shown(r.g_callAreaWnd); }));
    HWND area = r.g_callAreaWnd;
    SendMessageA(setup, WM_COMMAND, IDOK, 0);
    PostMessageA(setup, WM_NULL, 0, 0);  // the loop looks at its end after a message
    EXPECT_FALSE(WaitFor([&] { return !windows.SetupRunning(); }, 500)) << "Enter ended Setup";
    EXPECT_TRUE(IsWindowVisible(setup));
    EXPECT_TRUE(IsWindowVisible(area));
    SendMessageA(area, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(area));
    SendMessageA(area, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindowVisible(area));
    EXPECT_EQ(r.g_callAreaWnd.load(), area);
    Click(IDC_SETUP_CALL_AREA);  // closes and forgets the hidden window
    EXPECT_EQ(r.g_callAreaWnd.load(), nullptr);
    EXPECT_FALSE(IsWindow(area));
}

}  // namespace
