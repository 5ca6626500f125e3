// A randomized run through the real Stats.dll with this program as its host:
// it serves the automation object from its main thread and handles messages
// whenever it waits, and mixes every call the host makes with what the
// operator does to the plug-in's windows and with unloads and reloads of the
// DLL, often while a refresh of the windows is still under way.  Checked as
// it goes: no fault on any thread, no call into the plug-in and no unload
// over 3 s, the result equal to that of a fresh replay of the host's log,
// and the process's GDI, USER and heap levels back where they were after
// each unload.
//
// The actions follow from one start value, printed first.  The test suite
// runs it for about a minute; STATS_STRESS_SECONDS and STATS_STRESS_START
// set the length and the start value of a longer run (tools/README.md).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "resources/resource.h"
#include "tests/support/live_host_win.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/win32/stress_host_log.h"
#include "tools/automation_service.h"
#include "tools/crash_report.h"
#include "tools/message_pump.h"
#include "tools/stats_plugin_api.h"
#include "tools/window_watcher.h"

namespace {

using Clock = std::chrono::steady_clock;
using live_host::kCallBoundMs;

constexpr double kDefaultSeconds = 60.0;
constexpr std::uint32_t kDefaultStart = 20170211u;
constexpr double kDefaultReportEvery = 100;  // actions between two progress lines
// What may stay with the system after an unload (COM's and the window
// manager's caches).  The GDI mark wanders within ten slots (534 to 545 in a
// ten-minute run), so each unload is held to the highest level seen so far
// and the run as a whole to the level after the first unload.  The heap
// keeps about 0.4 KB a load in the DLL's static C++ runtime (a plain C DLL
// keeps nothing), hence the allowance per unload.
constexpr DWORD kMarkSlack = 4;
constexpr std::size_t kHeapSlackPerUnload = 64 * 1024;
constexpr std::size_t kHeapSlackOverall = 128 * 1024;
constexpr std::size_t kHeapAllowancePerUnload = 1024;

double EnvNumber(const char* name, double fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atof(text) : fallback;
}

// The first line where two results part, for the failure message.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t line = a.rfind('\n', at) == std::string::npos ? 0 : a.rfind('\n', at) + 1;
    return "at byte " + std::to_string(at) + ": \"" + a.substr(line, 80) + "\" vs \"" +
           b.substr(line, 80) + "\"";
}

struct Totals {
    int actions = 0, unloads = 0, resets = 0, exportResets = 0, compared = 0, differing = 0;
    int clicksSent = 0, clicksPosted = 0, setupClosed = 0, escapes = 0, qsosLogged = 0;
    int removals = 0, slowCalls = 0;
    double slowestCallMs = 0.0, slowestUnloadMs = 0.0;
    std::string slowestCall;
};

class StressRun {
  public:
    StressRun(std::uint32_t start, double seconds) : m_random(start), m_seconds(seconds) {}
    void Run();
    const Totals& Result() const { return m_totals; }

  private:
    enum Action {
        kTypeAndLog,
        kTypeOnly,
        kLogUntyped,
        kRemove,
        kFetchResult,
        kMoveDial,
        kClickBox,
        kCloseSetup,
        kEscapeMaps,
        kResetAndReplay,
        kReload,
        kPump,
        kActions
    };
    static int Weight(Action a);
    int Draw(int last) { return std::uniform_int_distribution<int>(0, last)(m_random); }
    Action DrawAction();
    std::string Do(Action action);

    // Calls into the plug-in, each timed and bounded.
    void Call(const std::string& what, const std::function<void()>& call);
    std::string FetchResult();
    void Reset(bool exportRun);
    int Log(const host::Qso& qso);
    void ReplayLog();

    void Load();
    void Unload();
    void CheckLevels();

    std::string TypeCall(bool log);
    std::string LogUntyped();
    std::string Remove();
    std::string MoveDial();
    std::string ClickBox();
    std::string CloseSetup();
    std::string EscapeMaps();
    std::string ResetAndReplay();
    void CompareResults(const std::string& before, const std::string& after, const char* when);

    host::HostAutomation* HostObject() const { return m_service ? m_service->Object() : nullptr; }
    double Elapsed() const {
        return std::chrono::duration<double>(Clock::now() - m_started).count();
    }

    std::mt19937 m_random;
    const double m_seconds;
    const int m_reportEvery =
        std::max(1, static_cast<int>(EnvNumber("STATS_STRESS_REPORT", kDefaultReportEvery)));
    Clock::time_point m_started;
    live_host::CallWatch m_watch;  // its thread runs before the first unload
    stress::HostLog m_log;
    std::unique_ptr<host::AutomationService> m_service;
    std::unique_ptr<host::StatsPluginApi> m_api;
    bool m_exportMode = false;
    bool m_html = false;
    double m_dialHz = 14085000.0;
    bool m_levelsKnown = false, m_windowsShown = false;
    live_host::ResourceLevel m_beforeFirstLoad, m_firstLevel, m_lastLevel, m_highest;
    Totals m_totals;
};

int StressRun::Weight(Action a) {
    static const int kWeights[kActions] = {30, 6, 8, 10, 8, 6, 8, 2, 3, 3, 1, 8};
    return kWeights[a];
}

StressRun::Action StressRun::DrawAction() {
    int total = 0;
    for (int a = 0; a < kActions; ++a) total += Weight(static_cast<Action>(a));
    int drawn = Draw(total - 1);
    for (int a = 0; a < kActions; ++a) {
        drawn -= Weight(static_cast<Action>(a));
        if (drawn < 0) return static_cast<Action>(a);
    }
    return kPump;
}

void StressRun::Call(const std::string& what, const std::function<void()>& call) {
    const double ms = m_watch.Time(what, call);
    if (ms > m_totals.slowestCallMs) {
        m_totals.slowestCallMs = ms;
        m_totals.slowestCall = what;
    }
    if (ms >= kCallBoundMs) {
        ++m_totals.slowCalls;
        ADD_FAILURE() << what << " took " << ms << " ms (action " << m_totals.actions << ")";
    }
}

// In an export run every result writes the Cabrillo file and announces it
// in a box that the operator confirms.
std::string StressRun::FetchResult() {
    std::string result;
    int out = 0;
    std::unique_ptr<host::WindowWatcher> watcher;
    if (m_exportMode)
        watcher = std::make_unique<host::WindowWatcher>("Output", "", host::ReadAndConfirm);
    Call(m_exportMode ? "GetResult0 (export run)" : "GetResult0", [&] {
        const char* text = m_api->Result(&out);
        result = text != nullptr ? text : "";
    });
    if (watcher) {
        EXPECT_TRUE(watcher->Finish().found) << "no Output box, action " << m_totals.actions;
    }
    return result;
}

// An export run opens the Cabrillo header dialog on this thread; a second
// thread fills it in and presses OK.
void StressRun::Reset(bool exportRun) {
    std::unique_ptr<host::WindowWatcher> watcher;
    if (exportRun)
        watcher =
            std::make_unique<host::WindowWatcher>("DARNOL Contest", "", host::FillHeaderAndConfirm);
    Call(exportRun ? "ResetStats0 (export run)" : "ResetStats0",
         [&] { m_api->Reset(live_host::ContestReset(exportRun)); });
    if (watcher) {
        EXPECT_TRUE(watcher->Finish().found) << "no header dialog, action " << m_totals.actions;
    }
    m_exportMode = exportRun;
    ++m_totals.resets;
    m_totals.exportResets += exportRun ? 1 : 0;
}

int StressRun::Log(const host::Qso& qso) {
    int entered = 0;
    Call("AddData0", [&] { entered = m_api->Add(qso, "EA4ZZZ"); });
    return entered;
}

// What the host does after a reset: it hands over its whole log again.  The
// plug-in must judge every QSO as it did the first time.
void StressRun::ReplayLog() {
    for (const stress::LoggedQso& e : m_log.Entries()) {
        const int entered = Log(e.qso);
        EXPECT_EQ(entered, e.entered)
            << e.qso.call << " " << e.qso.band << ", action " << m_totals.actions;
    }
}

void StressRun::CompareResults(const std::string& before, const std::string& after,
                               const char* when) {
    ++m_totals.compared;
    if (before == after) return;
    ++m_totals.differing;
    ADD_FAILURE() << "result " << when << " differs from the fresh replay's, action "
                  << m_totals.actions << ", " << FirstDifference(before, after);
}

// A new load: maybe a host object (now and then one that answers badly, or
// none at all), maybe a window thread, maybe HTML results; then the host's
// reset and its log.
void StressRun::Load() {
    static const host::AutomationQuirk kQuirks[] = {
        host::AutomationQuirk::wrongTypes,    host::AutomationQuirk::longCall,
        host::AutomationQuirk::nanDial,       host::AutomationQuirk::infDial,
        host::AutomationQuirk::negativeDial,  host::AutomationQuirk::fail,
        host::AutomationQuirk::registeredOnly};
    const int hostKind = Draw(9);
    const int quirk = Draw(6);
    const bool windows = Draw(4) != 0;
    const bool html = Draw(2) == 0;
    const bool exportRun = Draw(4) == 0;
    if (hostKind > 0) {
        m_service = std::make_unique<host::AutomationService>();
        EXPECT_TRUE(m_service->Start(hostKind == 1 ? kQuirks[quirk] : host::AutomationQuirk::none));
        if (HostObject() != nullptr) HostObject()->SetDialHz(m_dialHz);
    }
    if (windows) host::AllowWindowThread();
    m_api = std::make_unique<host::StatsPluginApi>();
    std::string error;
    bool loaded = false;
    Call("LoadLibrary", [&] { loaded = m_api->Load("Stats.dll", &error); });
    if (!loaded) {
        ADD_FAILURE() << error;
        m_api.reset();
        return;
    }
    m_html = html;
    if (html) Call("setVersion", [&] { m_api->SetVersion("2.20"); });
    Reset(exportRun);
    ReplayLog();
}

void StressRun::Unload() {
    const std::size_t open = live_host::PluginWindows(true).size();
    const double ms = m_watch.Time("FreeLibrary", [&] { m_api->Unload(); });
    std::printf("unload %d at action %d: %zu windows open, FreeLibrary returned in %.0f ms\n",
                m_totals.unloads + 1, m_totals.actions, open, ms);
    m_totals.slowestUnloadMs = std::max(m_totals.slowestUnloadMs, ms);
    EXPECT_LT(ms, kCallBoundMs) << "FreeLibrary, action " << m_totals.actions;
    host::PumpMessagesFor(200);
    m_api.reset();
    ++m_totals.unloads;
    EXPECT_EQ(GetModuleHandleA("Stats.dll"), nullptr) << "action " << m_totals.actions;
    EXPECT_TRUE(live_host::PluginWindows(false).empty()) << "action " << m_totals.actions;
    m_service.reset();
    CheckLevels();
}

// Between loads nothing of the plug-in and no host object is left, so the
// levels must come back to where earlier unloads left them.
void StressRun::CheckLevels() {
    const live_host::ResourceLevel now = live_host::MeasureResources();
    std::printf("unload %d: %s\n", m_totals.unloads, live_host::Describe(now).c_str());
    // The first window of the plug-in's kinds makes Wine keep a few GDI
    // objects for the process (its fonts and classes): the levels count
    // from the first unload after one was shown.
    if (!m_windowsShown) return;
    if (!m_levelsKnown) {
        m_firstLevel = m_highest = now;
        m_levelsKnown = true;
    }
    const int unloads = m_totals.unloads;
    EXPECT_LE(now.gdi, m_highest.gdi + kMarkSlack) << "GDI objects left by unload " << unloads;
    EXPECT_LE(now.user, m_highest.user + kMarkSlack) << "USER objects left by unload " << unloads;
    EXPECT_LE(now.heapBytes, m_highest.heapBytes + kHeapSlackPerUnload)
        << "heap left by unload " << unloads;
    EXPECT_LE(now.gdi, m_firstLevel.gdi + kMarkSlack) << "GDI objects piling up";
    EXPECT_LE(now.user, m_firstLevel.user + kMarkSlack) << "USER objects piling up";
    EXPECT_LE(now.heapBytes, m_firstLevel.heapBytes + kHeapSlackOverall +
                                 kHeapAllowancePerUnload * static_cast<std::size_t>(unloads))
        << "heap piling up";
    m_highest.gdi = std::max(m_highest.gdi, now.gdi);
    m_highest.user = std::max(m_highest.user, now.user);
    m_highest.heapBytes = std::max(m_highest.heapBytes, now.heapBytes);
    m_lastLevel = now;
}

// The operator types the call letter by letter; the host asks the plug-in
// after each one and shows it on its automation object.  Between letters
// the host handles messages for a moment or not at all, so refresh passes
// overlap the next calls.
std::string StressRun::TypeCall(bool log) {
    const bool full = m_log.Full();
    const host::Qso qso = m_log.MakeQso(m_random);
    std::vector<int> pauses;
    for (std::size_t i = 0; i < qso.call.size(); ++i) pauses.push_back(Draw(3) == 0 ? 0 : Draw(25));
    m_dialHz = qso.freqHz;
    if (HostObject() != nullptr) HostObject()->SetDialHz(m_dialHz);
    std::string typed;
    for (std::size_t i = 0; i < qso.call.size(); ++i) {
        typed += qso.call[i];
        if (HostObject() != nullptr) HostObject()->SetTypedCall(typed);
        bool touched = false;
        Call("CheckCall0", [&] {
            m_api->Check({typed, qso.mode, qso.callPrefix, qso.country, qso.band}, &touched);
        });
        EXPECT_FALSE(touched) << "CheckCall0 wrote into the host's buffers";
        host::PumpMessagesFor(static_cast<unsigned>(pauses[i]));
    }
    if (!log || full) return "type " + qso.call;
    int valid = 0;
    Call("IsValidExchg0",
         [&] { valid = m_api->ValidExchange(qso.exchReceived, qso.call, qso.country); });
    const int entered = Log(qso);
    m_log.Add(qso, entered);
    ++m_totals.qsosLogged;
    if (HostObject() != nullptr) HostObject()->SetTypedCall("");
    return "type and log " + qso.call + " " + qso.band + (entered ? " (entered)" : " (refused)");
}

std::string StressRun::LogUntyped() {
    if (m_log.Full()) return Remove();
    const host::Qso qso = m_log.MakeQso(m_random);
    const int entered = Log(qso);
    m_log.Add(qso, entered);
    ++m_totals.qsosLogged;
    return "log " + qso.call + " " + qso.band;
}

std::string StressRun::Remove() {
    std::size_t index = 0;
    if (!m_log.PickRemoval(m_random, &index)) return "nothing to remove";
    const host::Qso qso = m_log.Entries()[index].qso;
    int answer = 0;
    Call("RemoveData0", [&] { answer = m_api->Remove(qso, "EA4ZZZ"); });
    EXPECT_EQ(answer, 1);
    m_log.Erase(index);
    ++m_totals.removals;
    return "remove " + qso.call + " " + qso.band;
}

// The radio moves, on a band or off every band; the host checks the call
// in its log line again.
std::string StressRun::MoveDial() {
    static const double kDials[] = {3575000.0,  7030000.0,  14085000.0, 14085300.0, 21080000.0,
                                    28120000.0, 29100000.0, 10100000.0, 0.0};
    const double hz = kDials[Draw(8)] + Draw(2000);
    m_dialHz = hz;
    if (HostObject() != nullptr) HostObject()->SetDialHz(hz);
    bool touched = false;
    Call("CheckCall0", [&] { m_api->Check({"", "RTTY", "", "", "20m"}, &touched); });
    return "dial " + std::to_string(static_cast<long long>(hz));
}

// One of the Setup window's boxes 1015 to 1019 clicked, the message either
// sent (this thread waits, and keeps answering what the window thread
// sends it) or posted as a click would be.
std::string StressRun::ClickBox() {
    const int id = IDC_SETUP_EADX100 + Draw(IDC_SETUP_PREV_QSO - IDC_SETUP_EADX100);
    const bool send = Draw(1) == 0;
    HWND setup = live_host::VisibleWindowTitled(L"Setup KOLVEX-");
    if (setup == nullptr) return "no Setup window to click";
    HWND box = GetDlgItem(setup, id);
    if (send) {
        DWORD_PTR answer = 0;
        LRESULT handled = 1;
        DWORD error = 0;
        Call("BM_CLICK sent to box " + std::to_string(id), [&] {
            handled = SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL,
                                          static_cast<UINT>(kCallBoundMs), &answer);
            error = GetLastError();
        });
        // A window gone meanwhile is no fault; one that does not answer is.
        EXPECT_FALSE(handled == 0 && error == ERROR_TIMEOUT) << "box " << id;
        ++m_totals.clicksSent;
    } else {
        PostMessageW(box, BM_CLICK, 0, 0);
        ++m_totals.clicksPosted;
    }
    return std::string(send ? "send" : "post") + " BM_CLICK to box " + std::to_string(id);
}

std::string StressRun::CloseSetup() {
    HWND setup = live_host::VisibleWindowTitled(L"Setup KOLVEX-");
    if (setup == nullptr) return "no Setup window to close";
    PostMessageW(setup, WM_CLOSE, 0, 0);
    ++m_totals.setupClosed;
    return "close the Setup window";
}

std::string StressRun::EscapeMaps() {
    int count = 0;
    for (HWND map : live_host::PluginWindowsWith(IDC_AREA_LAST)) {
        PostMessageW(map, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ++count;
    }
    m_totals.escapes += count;
    return "Escape on " + std::to_string(count) + " map windows";
}

// A reset, as the host makes when it starts the statistics afresh or asks
// for an export, then the whole log again: the result must be the one the
// plug-in gave before, which had seen every add and removal.
std::string StressRun::ResetAndReplay() {
    const bool exportRun = Draw(3) == 0;
    const bool wasExport = m_exportMode;
    const std::string before = FetchResult();
    Reset(exportRun);
    ReplayLog();
    const std::string after = FetchResult();
    if (exportRun == wasExport) CompareResults(before, after, "before a reset");
    return std::string(exportRun ? "export " : "") + "reset and replay of " +
           std::to_string(m_log.Entries().size()) + " QSOs";
}

std::string StressRun::Do(Action action) {
    switch (action) {
        case kTypeAndLog:
            return TypeCall(true);
        case kTypeOnly:
            return TypeCall(false);
        case kLogUntyped:
            return LogUntyped();
        case kRemove:
            return Remove();
        case kFetchResult:
            FetchResult();
            return "result";
        case kMoveDial:
            return MoveDial();
        case kClickBox:
            return ClickBox();
        case kCloseSetup:
            return CloseSetup();
        case kEscapeMaps:
            return EscapeMaps();
        case kResetAndReplay:
            return ResetAndReplay();
        case kReload: {
            // The unload meets a refresh in flight: a check, then at most a
            // moment of messages.
            const unsigned pause = static_cast<unsigned>(Draw(10));
            bool touched = false;
            Call("CheckCall0", [&] { m_api->Check({"EA4", "RTTY", "", "", "20m"}, &touched); });
            host::PumpMessagesFor(pause);
            const std::string before = FetchResult();
            const bool html = m_html, exportRun = m_exportMode;
            Unload();
            Load();
            if (m_api && html == m_html && exportRun == m_exportMode)
                CompareResults(before, FetchResult(), "before an unload");
            return "unload and load again";
        }
        default: {
            const unsigned ms = static_cast<unsigned>(Draw(400));
            host::PumpMessagesFor(ms);
            return "messages for " + std::to_string(ms) + " ms";
        }
    }
}

void StressRun::Run() {
    m_started = Clock::now();
    m_beforeFirstLoad = live_host::MeasureResources();
    Load();
    if (!m_api) return;
    for (const host::Qso& anchor : stress::HostLog::Anchors()) m_log.Add(anchor, Log(anchor));
    while (Elapsed() < m_seconds && m_api) {
        ++m_totals.actions;
        const Action action = DrawAction();
        const std::string done = Do(action);
        m_windowsShown = m_windowsShown || !live_host::PluginWindows(true).empty();
        if (m_totals.actions % m_reportEvery == 0)
            std::printf("action %d at %.1f s: %s; log %zu QSOs; %d unloads\n", m_totals.actions,
                        Elapsed(), done.c_str(), m_log.Entries().size(), m_totals.unloads);
        std::fflush(stdout);
    }
    if (!m_api) return;  // a load failed: that failure is the report
    // The last word: the plug-in that saw everything against a fresh replay
    // in the same kind of run.
    const std::string before = FetchResult();
    Reset(m_exportMode);
    ReplayLog();
    CompareResults(before, FetchResult(), "at the end");
    Unload();
    std::printf("stress: levels before the first load: %s\n",
                live_host::Describe(m_beforeFirstLoad).c_str());
    std::printf("stress: after the first unload: %s\n", live_host::Describe(m_firstLevel).c_str());
    std::printf("stress: after the last unload: %s\n", live_host::Describe(m_lastLevel).c_str());
}

TEST(Stress, RandomRunThroughTheRealDllKeepsItsInvariants) {
    host::ReportCrashes();
    TempFolder folder;
    CreateDirectoryA("Plugins", nullptr);
    TempFolder::Write("Plugins\\KOLVEX.ini",
                      live_host::AllWindowsShown() + "setup_x=900\r\nsetup_y=800\r\n");
    const double seconds = EnvNumber("STATS_STRESS_SECONDS", kDefaultSeconds);
    const auto start = static_cast<std::uint32_t>(EnvNumber("STATS_STRESS_START", kDefaultStart));
    std::printf("stress: start value %u, %.0f s\n", start, seconds);
    StressRun run(start, seconds);
    run.Run();
    const Totals& t = run.Result();
    std::printf(
        "stress: %d actions; %d QSOs logged, %d removed; %d unloads; %d resets (%d export "
        "runs); results compared %d, differing %d; box clicks sent %d, posted %d; Setup "
        "closed %d times; Escape on %d map windows\n",
        t.actions, t.qsosLogged, t.removals, t.unloads, t.resets, t.exportResets, t.compared,
        t.differing, t.clicksSent, t.clicksPosted, t.setupClosed, t.escapes);
    std::printf(
        "stress: slowest call %.0f ms (%s); slowest FreeLibrary %.0f ms; calls over %.0f "
        "ms: %d\n",
        t.slowestCallMs, t.slowestCall.c_str(), t.slowestUnloadMs, kCallBoundMs, t.slowCalls);
    EXPECT_GT(t.compared, 0);
}

}  // namespace
