// The test program as the plug-in's host: it loads and unloads Stats.dll
// itself, serves the automation object from its main thread, and needs a
// bound on every call into the plug-in, a look at the plug-in's windows and
// the process's resource levels.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tools/stats_plugin_api.h"

namespace live_host {

// A call into the plug-in that takes longer than this is a fault.
constexpr double kCallBoundMs = 3000.0;
// One that has not returned after this long never will: the process says
// which call it was and ends with exit code 6.
constexpr DWORD kHangMs = 15000;
constexpr int kHangExitCode = 6;
// A call still running after this long has the other threads' stacks printed.
constexpr DWORD kSlowMs = 2000;

// Times calls into the plug-in, watched by a thread of its own.  The thread
// starts with this object, before any unload: a thread started during an
// unload would wait for the loader lock that the unload holds.
class CallWatch {
  public:
    CallWatch();
    ~CallWatch();
    CallWatch(const CallWatch&) = delete;
    CallWatch& operator=(const CallWatch&) = delete;

    // Runs `call` and returns how long it took, in milliseconds.
    double Time(const std::string& what, const std::function<void()>& call);

  private:
    void Watch();

    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_stop{false};
    std::atomic<DWORD> m_since{0};
    char m_what[128] = {};  // written before m_busy is set
    std::thread m_thread;
};

// The reset of the live tests: own call EA4ZZZ in Spain, the contest of 11
// and 12 February 2017, the host's folder the current one.
host::ResetRequest ContestReset(bool exportRun = false);

// Every other thread of this process: the module and offset of where it
// runs and of the return addresses along its frame chain.
void PrintThreadStacks();

// This process's visible top-level window whose title starts with `head`.
HWND VisibleWindowTitled(const std::wstring& head);
// The settings that show every information window, with their head.
std::string AllWindowsShown();
// A settings file that opens every window, the Setup window low on the
// right of the work area, the information windows in the top left.  Returns where it
// puts the Setup window.
POINT WriteEveryWindowSettings();
// Moves the plug-in's visible windows side by side in rows from the top
// left of the work area, each at its own size, so that none covers another
// whatever size the fonts and the DPI gave them; true once all are there.
bool PlaceSideBySide();
// Top-level windows of this process that belong to other threads than the
// calling one: the plug-in's windows, seen from its host.
std::vector<HWND> PluginWindows(bool visibleOnly);
// The plug-in's windows that hold a control with this id.
std::vector<HWND> PluginWindowsWith(int controlId);

// Handles this thread's messages until `done` holds or `ms` have passed.
bool PumpUntil(const std::function<bool()>& done, unsigned ms = 10000);
// The same for messages sent to this thread only: a host busy elsewhere,
// whose automation object's calls (posted to it) wait meanwhile.
bool ServeSentUntil(const std::function<bool()>& done, unsigned ms = 10000);

// GDI and USER marks (see live_objects_win.h) and the bytes in busy blocks
// of every heap of the process.
struct ResourceLevel {
    DWORD gdi = 0;
    DWORD user = 0;
    std::size_t heapBytes = 0;
};
ResourceLevel MeasureResources();
std::string Describe(const ResourceLevel& level);

// Removes the program id "MixW2.Application" from the registry, so that the
// plug-in finds no host at all; from the machine's classes only where it is
// not a served class's (MixW's own stays).
void ForgetProgramId();

}  // namespace live_host
