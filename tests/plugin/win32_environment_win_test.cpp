// The Win32 platform under the plug-in: file search, the Output box and
// the closing of the window thread's windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "plugin/ui_thread.h"
#include "plugin/win32_environment.h"
#include "tests/support/temp_dir_win.h"
#include "tests/support/window_driver_win.h"

TEST(Win32Environment, FindFilesListsTheNamesMatchingThePattern) {
    TempDir folder;
    for (const char* name : {"MixW2.ini", "other.ini", "notes.txt"}) TempDir::Write(name, "x");
    CreateDirectoryA("sub", nullptr);
    Win32Environment env;
    struct Row {
        std::string pattern;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {folder.Path() + "*.ini", {"MixW2.ini", "other.ini"}},
        {".\\*.ini", {"MixW2.ini", "other.ini"}},
        {folder.Path() + "*.none", {}},
        {folder.Path() + "missing\\*.ini", {}},
        {"*.ini", {"MixW2.ini", "other.ini"}},
        {std::string(1 << 20, 'a') + "*.ini", {}},
        {"\x80\xFF*.ini", {}},
        {"", {}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> found = env.FindFiles(row.pattern);
        std::sort(found.begin(), found.end());  // the platform's order is its own
        EXPECT_EQ(found, row.names) << row.pattern.substr(0, 60);
    }
}

TEST(Win32Environment, ShowOutputIsAnInformationBoxCaptionedOutput) {
    Win32Environment env;
    std::string text;
    HICON icon = nullptr;
    WindowDriver driver("Output", [&](HWND box) {
        text = ItemText(box, 0xFFFF);
        HWND iconControl = GetDlgItem(box, 0x0440);  // the icon of a message box
        icon = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
        Press(box, IDOK);
    });
    env.ShowOutput("File produced: EA4XYZ.cbr");
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(text, "File produced: EA4XYZ.cbr");
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_INFORMATION));
}

TEST(Win32Environment, WithoutTheWindowThreadNothingRuns) {
    Win32Environment env;
    EXPECT_FALSE(env.SetupWindowRunning());
    env.StartUiThread();
    env.PostRefresh();
    EXPECT_FALSE(env.ResetProvinceCells());
    EXPECT_FALSE(env.ResetCallAreaCells());
    EXPECT_FALSE(env.SetupWindowRunning());
}

namespace {
// Windows on a thread of their own that log the order of their WM_CLOSE.
std::vector<std::string> g_closed;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        char name[32] = {};
        GetWindowTextA(window, name, sizeof name);
        g_closed.push_back(name);
        if (window == g_setupWnd.load()) {
            // As the window thread does once its modal run has ended.
            DestroyWindow(window);
            g_setupWnd = nullptr;
            PostQuitMessage(0);
        } else {
            DestroyWindow(window);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* name) {
    return CreateWindowA("RecordingWindow", name, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}
}  // namespace

TEST(CloseAllWindows, WithoutSetupWindowTouchesNothing) {
    HWND fake = reinterpret_cast<HWND>(0x1234);
    g_provinceWnd = fake;
    CloseAllWindows();
    EXPECT_EQ(g_provinceWnd.load(), fake);
    g_provinceWnd = nullptr;
}

TEST(CloseAllWindows, ClosesTheInformationWindowsFirstThenTheSetupWindow) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RecordingWindow";
    RegisterClassA(&wc);
    g_closed.clear();
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread windowThread([ready] {
        g_setupWnd = MakeWindow("setup");
        g_multiplierWnd = MakeWindow("multiplier");
        g_callAreaWnd = MakeWindow("call area");
        g_prevQsoWnd = MakeWindow("prev qso");
        SetEvent(ready);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
    CloseAllWindows();
    windowThread.join();
    EXPECT_EQ(g_closed, (std::vector<std::string>{"call area", "prev qso", "multiplier", "setup"}));
    for (auto* entry :
         {&g_setupWnd, &g_multiplierWnd, &g_provinceWnd, &g_callAreaWnd, &g_prevQsoWnd})
        EXPECT_EQ(entry->load(), nullptr);
}
