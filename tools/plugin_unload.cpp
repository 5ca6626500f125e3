#include "tools/plugin_unload.h"

#include <chrono>
#include <cstdio>

#include "tools/message_pump.h"

namespace host {
namespace {

// Two manual-reset events: the watchdog is running; the unload is done.
struct Watchdog {
    HANDLE running = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Watchdog() = default;
    ~Watchdog() {
        if (running != nullptr) CloseHandle(running);
        if (done != nullptr) CloseHandle(done);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
};

DWORD WINAPI WatchUnload(void* param) {
    Watchdog* w = static_cast<Watchdog*>(param);
    SetEvent(w->running);
    if (w->done == nullptr) return 0;  // it could never hear of the end
    if (WaitForSingleObject(w->done, kUnloadGiveUpMs) == WAIT_OBJECT_0) return 0;
    std::printf("unload: FreeLibrary did not return within %u ms\n", kUnloadGiveUpMs);
    std::fflush(stdout);
    // ExitProcess would wait for the loader lock that the stuck unload holds.
    TerminateProcess(GetCurrentProcess(), 6);
    return 0;
}

std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

UnloadReport UnloadPlugin(StatsPluginApi& api) {
    const std::string name = BaseName(api.LoadedPath());
    Watchdog w;
    // The watchdog must be running before the unload starts: a thread that
    // starts later needs the loader lock, which a stuck unload holds.
    HANDLE thread = CreateThread(nullptr, 0, WatchUnload, &w, 0, nullptr);
    if (thread != nullptr && w.running != nullptr) WaitForSingleObject(w.running, INFINITE);
    auto start = std::chrono::steady_clock::now();
    api.Unload();
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    SetEvent(w.done);
    if (thread != nullptr) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    PumpMessagesFor(kAfterUnloadMs);
    UnloadReport report;
    report.ms = took.count();
    report.moduleGone = name.empty() || GetModuleHandleA(name.c_str()) == nullptr;
    return report;
}

void PrintUnload(const UnloadReport& report) {
    std::printf("unload: FreeLibrary returned in %.0f ms; module gone: %s\n", report.ms,
                report.moduleGone ? "yes" : "no");
}

}  // namespace host
