// The live windows through the real Stats.dll while the host answers badly:
// each bad-answer mode of the served automation object, and no host at all,
// for a short typed-call replay with all four information windows open;
// then a host slow to take back its object after the Setup window closes,
// and a host calling from a thread without COM.  This program is the host:
// it loads and unloads the DLL itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "controls/wide_text.h"
#include "resources/resource.h"
#include "tests/support/case_name.h"
#include "tests/support/import_hook_win.h"
#include "tests/support/live_host_win.h"
#include "tests/support/temp_folder.h"
#include "tools/automation_service.h"
#include "tools/crash_report.h"
#include "tools/message_pump.h"
#include "tools/stats_plugin_api.h"

namespace {

using host::AutomationQuirk;
using live_host::CallWatch;
using live_host::kCallBoundMs;

const std::string kAllWindowsShown = live_host::AllWindowsShown() + "Start=0\r\n";
// Only the Setup window, which the next reset starts.
const char kSetupDue[] = "[Settings]\r\nStart=0\r\n";
const int kPluginWindows = 5;  // Setup and the four information windows
const double kDialHz = 14085000.0;
const char* const kCalls[] = {"EA4QQA", "DL1QQB", "W1QQC", "JA9QQD", "EA8QQE", "VK2QQF"};

// What may stay with the system after a load-unload cycle (COM's and the
// window manager's own caches): the GDI mark wanders by up to about ten
// slots either way on a busy machine.  A leak in the windows' painting or
// set-up would leave far more: every cell repaints several times a session.
constexpr std::size_t kHeapSlack = 64 * 1024;
constexpr DWORD kMarkSlack = 12;

// Runs a call into the plug-in on some thread of the host.
using Runner = std::function<void(const std::function<void()>&)>;

void RunHere(const std::function<void()>& call) { call(); }

// Set on the host threads that RunWithoutCom starts.
thread_local bool t_withoutCom = false;
decltype(&CoWaitForMultipleHandles) g_coWait = nullptr;

// The COM wait as Windows answers it on a thread that never entered COM
// (Wine's waits anyway, serving nothing).
HRESULT WINAPI CoWaitAsWindows(DWORD flags, DWORD ms, ULONG count, HANDLE* handles, DWORD* index) {
    if (t_withoutCom) return CO_E_NOTINITIALIZED;
    return g_coWait(flags, ms, count, handles, index);
}

// Runs `call` on a new host thread that never entered COM and has a window,
// so that the plug-in's waits there answer sent messages only.  Meanwhile
// this thread, with `hostBusy`, is busy elsewhere: it answers only messages
// sent to it, and calls to the host's object wait.  Without, it serves the
// object and keeps sending that window messages, as other windows may.
void RunWithoutCom(const std::function<void()>& call, bool hostBusy) {
    ImportHook hook("ole32.dll", "CoWaitForMultipleHandles",
                    reinterpret_cast<void*>(&CoWaitAsWindows), GetModuleHandleA("Stats.dll"));
    g_coWait = reinterpret_cast<decltype(g_coWait)>(hook.Original());
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> done{false};
    std::thread thread([&] {
        t_withoutCom = true;
        window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr);
        call();
        done = true;
    });
    if (hostBusy) live_host::ServeSentUntil([&] { return done.load(); }, live_host::kHangMs);
    while (!done) {
        if (window != nullptr) SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 50, nullptr);
        host::PumpMessagesFor(5);
    }
    thread.join();  // its window goes with it
    if (GetModuleHandleA("Stats.dll") == nullptr) hook.Forget();
}

// One load of the plug-in with its host object (if any), timed by `watch`.
class Session {
  public:
    Session(CallWatch& watch, std::optional<AutomationQuirk> quirk) : m_watch(watch) {
        if (quirk) {
            m_service = std::make_unique<host::AutomationService>();
            EXPECT_TRUE(m_service->Start(*quirk));
        }
        std::string error;
        m_loaded = m_api.Load("Stats.dll", &error);
        EXPECT_TRUE(m_loaded) << error;
    }
    ~Session() {
        if (m_loaded) Unload();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    host::HostAutomation* Host() const { return m_service ? m_service->Object() : nullptr; }

    void Call(const std::string& what, const std::function<void()>& call) {
        const double ms = m_watch.Time(what, call);
        EXPECT_LT(ms, kCallBoundMs) << what;
    }

    void Reset(const Runner& run = RunHere) {
        Call("ResetStats0", [&] { run([&] { m_api.Reset(live_host::ContestReset()); }); });
    }

    // Reset, then wait until the Setup window and the four stored windows show.
    bool OpenWindows() {
        Reset();
        return live_host::PumpUntil(
            [] { return live_host::PluginWindows(true).size() == kPluginWindows; }, 20000);
    }

    // The operator types each call letter by letter, then logs it.
    void TypeAndLog(const char* call) {
        host::Qso qso;
        qso.call = call;
        qso.band = "20m";
        qso.mode = "RTTY";
        qso.freqHz = static_cast<std::uint32_t>(kDialHz);
        qso.time = {42777.5, host::OleDate::valid};
        qso.exchSent = "001";
        qso.exchReceived = call[0] == 'E' ? "M" : "123";
        std::string typed;
        for (const char* letter = call; *letter != '\0'; ++letter) {
            typed += *letter;
            if (Host() != nullptr) Host()->SetTypedCall(typed);
            bool touched = false;
            Call("CheckCall0", [&] { m_api.Check({typed, "RTTY", "", "", "20m"}, &touched); });
            host::PumpMessagesFor(30);
        }
        // The operator pauses; the host checks the whole call once more.
        host::PumpMessagesFor(300);
        bool touched = false;
        Call("CheckCall0", [&] { m_api.Check({typed, "RTTY", "", "", "20m"}, &touched); });
        host::PumpMessagesFor(300);
        Call("AddData0", [&] { m_api.Add(qso, "EA4ZZZ"); });
        if (Host() != nullptr) Host()->SetTypedCall("");
        int out = 0;
        Call("GetResult0", [&] { m_api.Result(&out); });
    }

    // FreeLibrary within the bound, the module and every window gone.
    void Unload(const Runner& run = RunHere) {
        m_loaded = false;
        const double ms = m_watch.Time("FreeLibrary", [&] { run([&] { m_api.Unload(); }); });
        EXPECT_LT(ms, kCallBoundMs);
        host::PumpMessagesFor(200);
        EXPECT_EQ(GetModuleHandleA("Stats.dll"), nullptr);
        EXPECT_TRUE(live_host::PluginWindows(false).empty());
    }

    std::vector<std::string> Macros() const {
        return Host() != nullptr ? Host()->Macros() : std::vector<std::string>();
    }

  private:
    CallWatch& m_watch;
    std::unique_ptr<host::AutomationService> m_service;
    host::StatsPluginApi m_api;
    bool m_loaded = false;
};

class LiveHost : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        host::ReportCrashes();
        s_folder = new TempFolder;
        CreateDirectoryA("Plugins", nullptr);
        s_watch = new CallWatch;
        // The first windows of the process fill the system's caches for good.
        TempFolder::Write("Plugins\\KOLVEX.ini", kAllWindowsShown);
        // Typing and logging too: the first painting of every window fills
        // the system's font and brush caches, a hundred GDI slots or more.
        Session warmUp(*s_watch, AutomationQuirk::none);
        if (warmUp.Host() != nullptr) warmUp.Host()->SetDialHz(kDialHz);
        warmUp.OpenWindows();
        for (const char* call : kCalls) warmUp.TypeAndLog(call);
        host::PumpMessagesFor(500);
    }
    static void TearDownTestSuite() {
        delete s_watch;
        delete s_folder;
    }
    static TempFolder* s_folder;
    static CallWatch* s_watch;
};
TempFolder* LiveHost::s_folder = nullptr;
CallWatch* LiveHost::s_watch = nullptr;

struct QuirkCase {
    const char* name;
    std::optional<AutomationQuirk> quirk;  // none: no host object at all
    std::vector<std::string> macros;       // what the host receives, in order
    const char* prevTitle;                 // the Previous-QSO title at the end starts so
};

const char kOpening[] = "<MODE:RTTY>", kBaud[] = "<BAUDRATE:45.45>", kSp1[] = "<SP1>";

// The dial stays on 14.085 MHz: the first pass that reads a usable dial
// sends "<SP1>" (it moved from 0), no later one does.
const QuirkCase kQuirkCases[] = {
    {"served_well",
     AutomationQuirk::none,
     {kOpening, kBaud, kSp1},
     "KOLVEX-2017 worked with VK2QQF "},
    // The call is no text (no call typed), the dial no number (the pass ends).
    {"wrong_types", AutomationQuirk::wrongTypes, {kOpening, kBaud}, "KOLVEX-2017 Previous QSO"},
    {"long_call",
     AutomationQuirk::longCall,
     {kOpening, kBaud, kSp1},
     "KOLVEX-2017 worked with ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF"},
    {"nan_dial", AutomationQuirk::nanDial, {kOpening, kBaud}, "KOLVEX-2017 worked with VK2QQF "},
    {"inf_dial", AutomationQuirk::infDial, {kOpening, kBaud}, "KOLVEX-2017 worked with VK2QQF "},
    {"negative_dial",
     AutomationQuirk::negativeDial,
     {kOpening, kBaud, kSp1},
     "KOLVEX-2017 worked with VK2QQF "},
    // 14,085,000 is exact as a 4-byte float.
    {"float_dial",
     AutomationQuirk::floatDial,
     {kOpening, kBaud, kSp1},
     "KOLVEX-2017 worked with VK2QQF "},
    // No pass gets past the host: the titles stay as the windows opened.
    {"every_call_fails", AutomationQuirk::fail, {}, "KOLVEX-2017 Previous QSO"},
    {"registered_only", AutomationQuirk::registeredOnly, {}, "KOLVEX-2017 Previous QSO"},
    {"host_absent", std::nullopt, {}, "KOLVEX-2017 Previous QSO"},
};

void PrintTo(const QuirkCase& c, std::ostream* out) { *out << c.name; }

class BadHostAnswers : public LiveHost, public testing::WithParamInterface<QuirkCase> {};

TEST_P(BadHostAnswers, TypedCallsLeaveNoCrashNoHangTheExpectedMacrosAndACleanUnload) {
    const QuirkCase& c = GetParam();
    if (!c.quirk) live_host::ForgetProgramId();
    TempFolder::Write("Plugins\\KOLVEX.ini", kAllWindowsShown);
    const live_host::ResourceLevel before = live_host::MeasureResources();
    {
        Session session(*s_watch, c.quirk);
        if (session.Host() != nullptr) session.Host()->SetDialHz(kDialHz);
        ASSERT_TRUE(session.OpenWindows());
        for (const char* call : kCalls) session.TypeAndLog(call);
        host::PumpMessagesFor(500);
        EXPECT_EQ(session.Macros(), c.macros);
        const std::vector<HWND> prev = live_host::PluginWindowsWith(IDC_PREV_TABLE);
        ASSERT_EQ(prev.size(), 1u);
        EXPECT_EQ(WindowTextWide(prev[0]).substr(0, std::string(c.prevTitle).size()),
                  WideFromUtf8(c.prevTitle));
        session.Unload();
        const live_host::ResourceLevel after = live_host::MeasureResources();
        EXPECT_LE(after.gdi, before.gdi + kMarkSlack);
        EXPECT_LE(after.user, before.user + kMarkSlack);
        EXPECT_LE(after.heapBytes, before.heapBytes + kHeapSlack)
            << live_host::Describe(before) << " -> " << live_host::Describe(after);
    }
}

INSTANTIATE_TEST_SUITE_P(Quirks, BadHostAnswers, testing::ValuesIn(kQuirkCases), CaseName());

// The Setup windows shown now.
int SetupWindows() {
    int n = 0;
    for (HWND window : live_host::PluginWindows(true))
        n += WindowTextWide(window).rfind(L"Setup KOLVEX-2017", 0) == 0 ? 1 : 0;
    return n;
}

// The operator closes the Setup window while the host is busy: the
// window's thread outlives it, waiting to give back the host's object.
void CloseSetupWhileTheHostIsBusy() {
    host::PumpMessagesFor(500);  // the window's first refresh asks the host
    HWND setup = live_host::VisibleWindowTitled(L"Setup KOLVEX-2017");
    ASSERT_NE(setup, nullptr);
    PostMessageW(setup, WM_KEYDOWN, VK_ESCAPE, 0);
    // A refresh still waiting for the host's answer holds the Escape back.
    for (int tries = 0; tries < 20; ++tries) {
        if (live_host::ServeSentUntil([&] { return !IsWindow(setup); }, 500)) return;
        host::PumpMessagesFor(20);
    }
    ADD_FAILURE() << "the Setup window stays";
}

// A reset that finds that thread waits a bound for it: ended, a new Setup
// window starts; not ended, none does, and a later reset starts it.  Never
// two at a time.
TEST_F(LiveHost, AResetWhileTheClosedSetupWindowsThreadWaitsForTheHostStartsOneSetupWindow) {
    TempFolder::Write("Plugins\\KOLVEX.ini", kSetupDue);
    Session session(*s_watch, AutomationQuirk::none);
    session.Reset();
    ASSERT_TRUE(live_host::PumpUntil([] { return SetupWindows() == 1; }, 20000));
    // The reset serves the host's object while it waits: the thread ends.
    CloseSetupWhileTheHostIsBusy();
    TempFolder::Write("Plugins\\KOLVEX.ini", kSetupDue);
    session.Reset();
    EXPECT_TRUE(live_host::PumpUntil([] { return SetupWindows() == 1; }, 5000));
    // From a thread without COM, with the host still busy: the thread does
    // not end within the reset's bound, so that reset starts nothing.
    CloseSetupWhileTheHostIsBusy();
    TempFolder::Write("Plugins\\KOLVEX.ini", kSetupDue);
    session.Reset([](const std::function<void()>& call) { RunWithoutCom(call, true); });
    host::PumpMessagesFor(1000);
    TempFolder::Write("Plugins\\KOLVEX.ini", kSetupDue);
    session.Reset();
    EXPECT_TRUE(live_host::PumpUntil([] { return SetupWindows() == 1; }, 5000));
    host::PumpMessagesFor(1000);
    EXPECT_EQ(SetupWindows(), 1);
}

// On a host thread without COM the waits answer the messages sent to the
// thread and go on waiting: for the Setup window before the reset returns,
// for the window thread to leave before the unload does.
TEST_F(LiveHost, AHostThreadWithoutComGetsTheSetupWindowUpAndUnloadsWhileMessagesArrive) {
    const Runner withoutCom = [](const std::function<void()>& call) { RunWithoutCom(call, false); };
    for (int cycle = 0; cycle < 5; ++cycle) {
        TempFolder::Write("Plugins\\KOLVEX.ini", kSetupDue);
        Session session(*s_watch, AutomationQuirk::none);
        session.Reset(withoutCom);
        EXPECT_EQ(SetupWindows(), 1) << cycle;
        session.Unload(withoutCom);
    }
}

}  // namespace
