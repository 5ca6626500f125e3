// The Win32 platform under the plug-in: file search, the Output box and
// the window thread's absence.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "plugin/win32/win32_environment.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

TEST(Win32Environment, FindFilesListsTheNamesMatchingThePattern) {
    TempFolder folder;
    for (const char* name : {"MixW2.ini", "other.ini", "notes.txt"}) TempFolder::Write(name, "x");
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
    EXPECT_EQ(env.ResetMaps(kSpanishStation | kCallAreaStation), 0u);
    EXPECT_FALSE(env.SetupWindowRunning());
}
