// A slow disk under the real Stats.dll, with its five windows open: each
// write of the plug-in, to its settings file too, takes half a second.
// Meanwhile the window thread answers at once what is sent to its windows,
// and paints the previous-QSO table, for which it takes the plug-in's lock:
// the host thread writes only once it has let the lock go.  An unload while
// the window thread writes waits for its writes.  This program is the host:
// it serves the automation object from its main thread, calls the exports
// and unloads the plug-in.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "resources/resource.h"
#include "settings/win32/profile_store_win32.h"
#include "tests/plugin/win32/export_run_win.h"
#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/import_hook_win.h"
#include "tests/support/live_host_win.h"
#include "tests/support/temp_folder.h"
#include "tools/automation_service.h"
#include "tools/message_pump.h"

namespace {

using namespace host_calls;

constexpr DWORD kWriteMs = 500;
constexpr double kAnswerBoundMs = 50.0;
// How long messages are sent to the windows while a write is under way.
constexpr DWORD kWatchMs = 300;

// Stats.dll's write calls, to its files and to its settings file; while
// armed, every write waits kWriteMs first.
class SlowWrites {
  public:
    explicit SlowWrites(HMODULE module)
        : m_write("msvcrt.dll", "_write", reinterpret_cast<void*>(&Write), module),
          m_settingsWrite("kernel32.dll", "WritePrivateProfileStringA",
                          reinterpret_cast<void*>(&SettingsWrite), module),
          m_started(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        s_this = this;
    }
    ~SlowWrites() {
        s_this = nullptr;
        CloseHandle(m_started);
    }
    SlowWrites(const SlowWrites&) = delete;
    SlowWrites& operator=(const SlowWrites&) = delete;

    bool Installed() const {
        return m_write.Original() != nullptr && m_settingsWrite.Original() != nullptr;
    }
    void Arm(bool armed) { m_armed = armed; }
    bool WaitForStart(DWORD ms) const {
        return WaitForSingleObject(m_started, ms) == WAIT_OBJECT_0;
    }
    bool UnderWay() const { return m_underWay; }
    // Slowed writes begun, and those of them that came back.
    int Begun() const { return m_begun; }
    int Finished() const { return m_finished; }
    // The module is gone, and its import table with it.
    void Unloaded() {
        m_write.Forget();
        m_settingsWrite.Forget();
    }

  private:
    template <typename Function, typename... Args>
    static auto Slowed(const ImportHook& hook, Args... args) {
        SlowWrites& self = *s_this;
        const bool armed = self.m_armed;
        if (armed) {
            ++self.m_begun;
            self.m_underWay = true;
            SetEvent(self.m_started);
            Sleep(kWriteMs);
        }
        const auto result = reinterpret_cast<Function>(hook.Original())(args...);
        self.m_underWay = false;
        if (armed) ++self.m_finished;
        return result;
    }
    static int __cdecl Write(int file, const void* data, unsigned size) {
        return Slowed<int(__cdecl*)(int, const void*, unsigned)>(s_this->m_write, file, data, size);
    }
    static BOOL WINAPI SettingsWrite(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
        return Slowed<decltype(&WritePrivateProfileStringA)>(s_this->m_settingsWrite, section, key,
                                                             value, file);
    }

    static SlowWrites* s_this;
    ImportHook m_write;
    ImportHook m_settingsWrite;
    HANDLE m_started;
    std::atomic<bool> m_armed{false};
    std::atomic<bool> m_underWay{false};
    std::atomic<int> m_begun{0};
    std::atomic<int> m_finished{0};
};
SlowWrites* SlowWrites::s_this = nullptr;

// What the window thread did while a slow write was under way.
struct Watch {
    bool writeSeen = false;
    double slowestAnswerMs = 0.0;
    bool tablePainted = false;  // and its paint over before the write ended
};

// From a thread of its own: once a write starts, the table is to be
// painted again, and every window is sent a message round after round.
Watch WatchDuringWrite(const SlowWrites& writes, const std::vector<HWND>& windows, HWND table) {
    using Clock = std::chrono::steady_clock;
    Watch watch;
    watch.writeSeen = writes.WaitForStart(20000);
    if (!watch.writeSeen) return watch;
    InvalidateRect(table, nullptr, TRUE);
    const Clock::time_point start = Clock::now();
    do {
        for (HWND window : windows) {
            const Clock::time_point sent = Clock::now();
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
            const std::chrono::duration<double, std::milli> took = Clock::now() - sent;
            watch.slowestAnswerMs = std::max(watch.slowestAnswerMs, took.count());
        }
        Sleep(10);
    } while (Clock::now() - start < std::chrono::milliseconds(kWatchMs));
    // Nothing left to paint, and the thread back from the paint (a sent
    // message is answered only between two messages), the write going on.
    RECT update;
    const bool nothingLeft = !GetUpdateRect(table, &update, FALSE);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(table, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    watch.tablePainted = nothingLeft && writes.UnderWay();
    return watch;
}

// The windows of the plug-in's thread, the table among them.
std::vector<HWND> WindowThreadWindows(HWND table) {
    std::vector<HWND> windows = live_host::PluginWindows(true);
    windows.push_back(table);
    return windows;
}

HostDateTime g_time{42777.6, 0};  // within the contest of ContestReset

// Unloads the plug-in, with its windows, while the host still serves.
struct UnloadAtEnd {
    ~UnloadAtEnd() {
        FreeLibrary(StatsDll::Get().module);
        host::PumpMessagesFor(200);
    }
};

TEST(SlowDisk, WindowsAnswerAndPaintWhileTheHostThreadWrites) {
    ASSERT_NE(StatsDll::Get().module, nullptr);
    const TempFolder folder;
    live_host::WriteEveryWindowSettings();
    host::AutomationService service;
    ASSERT_TRUE(service.Start(host::AutomationQuirk::none));
    service.Object()->SetDialHz(14085000.0);
    const UnloadAtEnd unload;
    DoReset(ContestReset());
    ASSERT_TRUE(live_host::PumpUntil(
        [] { return live_host::PluginWindowsWith(IDC_PREV_TABLE).size() == 1; }, 30000));
    host::PumpMessagesFor(500);  // the first refresh and paints
    HWND table = GetDlgItem(live_host::PluginWindowsWith(IDC_PREV_TABLE).front(), IDC_PREV_TABLE);
    ASSERT_NE(table, nullptr);
    const std::vector<HWND> windows = WindowThreadWindows(table);
    ASSERT_EQ(windows.size(), 6u) << "five windows and the table";

    Qso dupe;
    dupe.time = &g_time;
    std::string result;
    struct Row {
        const char* call;
        std::function<void()> before;  // at full speed
        std::function<void()> slowed;
    };
    const Row rows[] = {
        {"AddData0 of a dupe", [&] { Add(dupe); }, [&] { Add(dupe); }},
        {"RemoveData0", [] {}, [&] { Remove(dupe); }},
        {"GetResult0 of an export run",
         [&] {
             ExportReset(ContestReset());
             Add(dupe);
         },
         [&] { ExportResult(&result); }},
    };
    SlowWrites writes(StatsDll::Get().module);
    ASSERT_TRUE(writes.Installed());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        row.before();
        Watch watch;
        std::thread watcher([&] { watch = WatchDuringWrite(writes, windows, table); });
        writes.Arm(true);
        row.slowed();
        writes.Arm(false);
        watcher.join();
        std::printf("%s: slowest answer %.1f ms during the write\n", row.call,
                    watch.slowestAnswerMs);
        EXPECT_TRUE(watch.writeSeen);
        EXPECT_LT(watch.slowestAnswerMs, kAnswerBoundMs);
        EXPECT_TRUE(watch.tablePainted);
        host::PumpMessagesFor(400);  // the refresh a removal asks for
    }
}

// The operator has moved the Setup window and the mouse passes over it as
// the host unloads the plug-in: the two coordinates it writes take a second
// on the slow disk, far past a quarter of one.  The unload lets the thread
// finish them and end by itself, so both keys hold their new values.
TEST(SlowDisk, AnUnloadLetsTheWindowThreadFinishItsSettingsWrites) {
    const TempFolder folder;
    const POINT stored = live_host::WriteEveryWindowSettings();
    host::AutomationService service;
    ASSERT_TRUE(service.Start(host::AutomationQuirk::none));
    host::StatsExports dll;  // a load of its own: this test unloads it
    std::string error;
    ASSERT_TRUE(dll.Load("Stats.dll", &error)) << error;
    dll.Reset(ContestReset());
    ASSERT_TRUE(live_host::PumpUntil(
        [] { return live_host::PluginWindowsWith(IDC_PREV_TABLE).size() == 1; }, 30000));
    host::PumpMessagesFor(500);  // the first refresh and paints
    HWND setup = live_host::VisibleWindowTitled(L"Setup KOLVEX");
    ASSERT_NE(setup, nullptr);
    SlowWrites writes(dll.module);
    ASSERT_TRUE(writes.Installed());
    writes.Arm(true);
    const POINT moved{stored.x - 17, stored.y - 23};
    SetWindowPos(setup, nullptr, moved.x, moved.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    // The mouse over it, once moved: the move reached its thread first.
    PostMessageW(setup, WM_SETCURSOR, reinterpret_cast<WPARAM>(setup), HTCLIENT);
    ASSERT_TRUE(live_host::PumpUntil([&] { return writes.UnderWay(); }));
    FreeLibrary(dll.module);
    writes.Unloaded();
    host::PumpMessagesFor(200);
    EXPECT_EQ(writes.Begun(), 2);
    EXPECT_EQ(writes.Finished(), writes.Begun()) << "a write cut off";
    ProfileStoreWin32 settings;
    EXPECT_EQ(settings.Read("setup_x", "none"), std::to_string(moved.x));
    EXPECT_EQ(settings.Read("setup_y", "none"), std::to_string(moved.y));
}

}  // namespace
