#include "tools/unload_cycles.h"

#include <algorithm>
#include <cstdio>

#include "tools/heap_in_use.h"
#include "tools/message_pump.h"
#include "tools/plugin_unload.h"
#include "tools/stats_plugin_api.h"

namespace host {
namespace {

// The window thread opens its windows one refresh after another: the host
// handles messages until their number has stayed the same this long (a
// loaded machine may take seconds), within an upper bound.
constexpr unsigned kWindowsSteadyMs = 400;
constexpr unsigned kWindowsOpenBoundMs = 8000;

struct WindowCount {
    bool visibleOnly;
    DWORD skipThread;  // windows of this thread are not counted (0: none)
    int count;
};

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM param) {
    WindowCount* c = reinterpret_cast<WindowCount*>(param);
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && thread != c->skipThread &&
        (!c->visibleOnly || IsWindowVisible(window)))
        ++c->count;
    return TRUE;
}

int CountWindows(bool visibleOnly, DWORD skipThread) {
    WindowCount c{visibleOnly, skipThread, 0};
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

// The visible windows once their number has settled.
int WaitForWindows() {
    int open = CountWindows(true, 0);
    unsigned steady = 0;
    for (unsigned waited = 0; waited < kWindowsOpenBoundMs && steady < kWindowsSteadyMs;
         waited += 50) {
        PumpMessagesFor(50);
        const int now = CountWindows(true, 0);
        steady = now == open && now > 0 ? steady + 50 : 0;
        open = now;
    }
    return open;
}

ResetRequest CycleReset(const HostOptions& o) {
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    ResetRequest reset;
    reset.hostDir = std::string(dir) + "\\";
    reset.ownCall = o.ownCall.empty() ? "DF7KV" : o.ownCall;
    reset.ownCountry = o.ownCountryGiven ? o.ownCountry : "DL";
    reset.start = o.startGiven ? o.start : DateFromAdif("20170211", "0000");
    reset.end = o.endGiven ? o.end : DateFromAdif("20170212", "2359");
    return reset;
}

CallCheck CycleCall() {
    CallCheck check;
    check.call = "EA3XYZ";
    check.mode = "RTTY";
    check.band = "20m";
    check.callPrefix = "EA3";
    check.country = "EA";
    return check;
}

struct CycleTotals {
    double slowestMs = 0.0;
    int moduleStayed = 0, windowsStayed = 0, slow = 0;
};

// One cycle; false when the DLL cannot be loaded.
bool RunCycle(int n, const HostOptions& o, HostAutomation* automation, CycleTotals* totals) {
    AllowWindowThread();
    StatsPluginApi api;
    std::string error;
    if (!api.Load(o.dll, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    api.Reset(CycleReset(o));
    const CallCheck check = CycleCall();
    if (automation != nullptr) automation->SetTypedCall(check.call);
    bool touched = false;
    api.Check(check, &touched);
    const int open = WaitForWindows();
    UnloadReport unload = UnloadPlugin(api);
    if (automation != nullptr) automation->SetTypedCall("");
    // The main thread's own windows (COM's, the console's) stay, of course.
    const int left = CountWindows(false, GetCurrentThreadId());
    std::printf(
        "cycle %d: %d windows open; FreeLibrary returned in %.0f ms; module gone: %s; "
        "windows left: %d\n",
        n, open, unload.ms, unload.moduleGone ? "yes" : "no", left);
    std::fflush(stdout);
    totals->slowestMs = std::max(totals->slowestMs, unload.ms);
    totals->slow += unload.ms > kUnloadSlowMs ? 1 : 0;
    totals->moduleStayed += unload.moduleGone ? 0 : 1;
    totals->windowsStayed += left > 0 ? 1 : 0;
    return true;
}

}  // namespace

int RunUnloadCycles(const HostOptions& o, HostAutomation* automation) {
    CycleTotals totals;
    // Measured from the end of the first cycle, which fills the system's
    // caches for good: what a load keeps after its unload adds up from there.
    std::size_t heapAfterFirst = 0;
    for (int n = 1; n <= o.cycles; ++n) {
        if (!RunCycle(n, o, automation, &totals)) return 1;
        if (n == 1) heapAfterFirst = HeapBytesInUse();
    }
    const std::size_t heapNow = HeapBytesInUse();
    std::printf(
        "cycles: %d run; slowest FreeLibrary %.0f ms; over %.0f ms: %d; module stayed: %d; "
        "windows stayed: %d; heap in use grew after the first by %zu bytes\n",
        o.cycles, totals.slowestMs, kUnloadSlowMs, totals.slow, totals.moduleStayed,
        totals.windowsStayed, heapNow > heapAfterFirst ? heapNow - heapAfterFirst : 0);
    return totals.slow + totals.moduleStayed + totals.windowsStayed > 0 ? 6 : 0;
}

}  // namespace host
