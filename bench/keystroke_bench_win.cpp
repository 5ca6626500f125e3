// How long a keystroke takes to reach the screen: Stats.dll loaded by this
// program as its host, the five windows open, the automation object served
// from this thread.  For each typed call it times, from CheckCall0
// returning, until the Prev_QSO title names the call and no window of the
// plug-in (nor any child of one) has anything left to repaint.  Run once
// with an empty log, then with the synthetic log loaded.
//   keystroke_bench_win.exe [--calls N] [--qsos N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "controls/wide_text.h"
#include "resources/resource.h"
#include "tests/support/live_host_win.h"
#include "tests/support/temp_folder.h"
#include "tools/automation_service.h"
#include "tools/message_pump.h"
#include "tools/stats_plugin_api.h"
#include "tools/synthetic_log.h"

namespace {

constexpr double kGiveUpMs = 5000.0;
constexpr int kWarmUp = 10;  // keystrokes typed before the timed ones

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Every window of the plug-in and every child of one.
std::vector<HWND> PaintTargets() {
    std::vector<HWND> all = live_host::PluginWindows(false);
    const std::size_t tops = all.size();
    for (std::size_t i = 0; i < tops; ++i)
        EnumChildWindows(all[i], AddChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND FirstToRepaint(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (GetUpdateRect(window, nullptr, FALSE)) return window;
    return nullptr;
}

// The title, trailing blanks dropped, ends with " <call>".
bool TitleNames(HWND window, const std::wstring& call) {
    std::wstring title = WindowTextWide(window);
    title.erase(title.find_last_not_of(L' ') + 1);
    const std::wstring tail = L" " + call;
    return title.size() >= tail.size() &&
           title.compare(title.size() - tail.size(), tail.size(), tail) == 0;
}

void CALLBACK Answered(HWND, UINT, ULONG_PTR flag, LRESULT) {
    *reinterpret_cast<bool*>(flag) = true;
}

struct Timing {
    double title = -1.0;    // ms until the title named the call
    double passEnd = -1.0;  // ms until the window thread had finished the pass
    double done = -1.0;     // ms until nothing was left to repaint as well
};

struct Rig {
    host::StatsPluginApi api;
    host::HostAutomation* host = nullptr;
    HWND prevQso = nullptr;
    std::vector<HWND> targets;
};

// Once the title names the call, a WM_NULL sent through the queue of the
// plug-in's window thread comes back only after that thread has finished
// the pass; from then on the windows are watched until none needs a paint,
// the one last seen pending first.
Timing TimeKeystroke(Rig& rig, const host::CallCheck& check) {
    rig.host->SetTypedCall(check.call);
    bool touched = false;
    rig.api.Check(check, &touched);
    const double start = NowMs();
    const std::wstring call = WideFromUtf8(check.call);
    Timing timing;
    bool asked = false, answered = false;
    HWND pending = nullptr;
    while (NowMs() - start < kGiveUpMs) {
        // Gives the processor to the plug-in's thread on a busy machine,
        // back at once when a message comes, after 1 ms at most otherwise.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        // The window thread's calls to the host arrive as messages, and so
        // does the answer to the WM_NULL below.
        host::PumpMessagesFor(0);
        if (!asked) {
            if (!TitleNames(rig.prevQso, call)) continue;
            timing.title = NowMs() - start;
            asked = SendMessageCallbackW(rig.prevQso, WM_NULL, 0, 0, Answered,
                                         reinterpret_cast<ULONG_PTR>(&answered)) != FALSE;
            continue;
        }
        if (!answered) continue;
        if (timing.passEnd < 0) timing.passEnd = NowMs() - start;
        if (pending != nullptr && GetUpdateRect(pending, nullptr, FALSE)) continue;
        pending = FirstToRepaint(rig.targets);
        if (pending == nullptr) {
            timing.done = NowMs() - start;
            break;
        }
    }
    return timing;
}

struct Figures {
    double min, median, p90, max;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1) + 0.5)]; };
    return {ms.front(), at(0.5), at(0.9), ms.back()};
}

void PrintRow(const char* log, const char* what, const std::vector<double>& ms) {
    if (ms.empty()) {
        std::printf("%-14s %-22s no keystroke reached the screen\n", log, what);
        return;
    }
    const Figures f = Summarise(ms);
    std::printf("%-14s %-22s %8.2f %8.2f %8.2f %8.2f ms  (%zu keystrokes)\n", log, what, f.min,
                f.median, f.p90, f.max, ms.size());
}

// Types every call, the first kWarmUp untimed, and prints the figures.
bool Measure(Rig& rig, const char* log, const std::vector<host::CallCheck>& calls) {
    rig.targets = PaintTargets();
    std::vector<double> title, passEnd, done;
    int lost = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const Timing t = TimeKeystroke(rig, calls[i]);
        if (t.done < 0) ++lost;
        if (i < kWarmUp || t.done < 0) continue;
        title.push_back(t.title);
        passEnd.push_back(t.passEnd);
        done.push_back(t.done);
    }
    PrintRow(log, "title set", title);
    PrintRow(log, "pass ended", passEnd);
    PrintRow(log, "title and all painted", done);
    if (lost > 0)
        std::printf("%s: %d keystrokes not on the screen within %.0f ms\n", log, lost, kGiveUpMs);
    return lost == 0;
}

// Half of them logged, half never (no log holds a ZS call), in mixed order.
std::vector<host::CallCheck> TypedCalls(const std::vector<host::Qso>& log, int count) {
    std::mt19937 random(2017u);
    std::vector<host::CallCheck> calls;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0 && !log.empty()) {
            const host::Qso& q =
                log[std::uniform_int_distribution<std::size_t>(0, log.size() - 1)(random)];
            calls.push_back({q.call, "RTTY", q.callPrefix, q.country, "20m"});
            continue;
        }
        const std::string prefix = "ZS" + std::to_string(i % 10);
        std::string suffix;
        for (int n = i / 2 + 1; n > 0; n /= 26) suffix += static_cast<char>('A' + n % 26);
        calls.push_back({prefix + suffix, "RTTY", prefix, "ZS", "20m"});
    }
    return calls;
}

std::string ModuleFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool OpenWindows(Rig& rig, const std::string& folder) {
    host::ResetRequest reset = live_host::ContestReset();
    reset.hostDir = folder;
    rig.api.Reset(reset);
    const bool open =
        live_host::PumpUntil([&] { return live_host::PluginWindows(true).size() >= 5; }, 30000);
    const std::vector<HWND> prev = live_host::PluginWindowsWith(IDC_PREV_TABLE);
    rig.prevQso = prev.empty() ? nullptr : prev.front();
    host::PumpMessagesFor(1000);  // the first refresh
    return open && rig.prevQso != nullptr;
}

int ArgOf(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int callCount = std::max(ArgOf(argc, argv, "--calls", 300), kWarmUp + 1);
    const int qsoCount = std::max(ArgOf(argc, argv, "--qsos", 100000), 1);
    const std::string dll = ModuleFolder() + "Stats.dll";
    TempFolder folder;
    live_host::WriteEveryWindowSettings();
    host::AutomationService service;
    if (!service.Start(host::AutomationQuirk::none)) return 2;
    Rig rig;
    rig.host = service.Object();
    rig.host->SetDialHz(14085000.0);
    std::string error;
    if (!rig.api.Load(dll, &error)) {
        std::printf("%s\n", error.c_str());
        return 2;
    }
    if (!OpenWindows(rig, folder.Path())) {
        std::printf("the five windows did not open\n");
        return 3;
    }
    const std::vector<host::Qso> log = host::MakeSyntheticLog(qsoCount, 20170211u);
    const std::vector<host::CallCheck> calls = TypedCalls(log, callCount);
    std::printf("%-14s %-22s %8s %8s %8s %8s\n", "log", "until", "min", "median", "p90", "max");
    bool ok = Measure(rig, "empty", calls);
    for (const host::Qso& qso : log) rig.api.Add(qso, "EA4ZZZ");
    host::PumpMessagesFor(1000);
    const std::string loaded = std::to_string(log.size()) + " QSOs";
    ok = Measure(rig, loaded.c_str(), calls) && ok;
    rig.host->SetTypedCall("");
    rig.api.Unload();
    return ok ? 0 : 1;
}
