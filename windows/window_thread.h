// The plug-in's own window thread: its whole life is one modal run of the
// Setup window, whose message loop also serves the information windows.
// One object owns the thread's handle and the window registry through
// which the host thread finds the windows.
#pragma once

#include <windows.h>

#include <atomic>

#include "controls/handles.h"

struct PluginState;
class Settings;

// Posted to the Setup window (wParam 0, lParam 0): refresh the windows.
constexpr UINT WM_REFRESH_INFO = WM_USER + 500;
// Posted to the Setup window by the host thread: reset the cells of the map
// windows named in wParam (MapWindowBits), as after a band change.
constexpr UINT WM_RESET_MAPS = WM_USER + 501;
// Posted to the Setup window by CloseAllWindows: close the information
// windows, then end the Setup window and with it the thread.
constexpr UINT WM_CLOSE_ALL = WM_USER + 502;

enum MapWindowBits : WPARAM { kProvinceMap = 1, kCallAreaMap = 2 };

// Each entry is null while its window does not exist.  The window thread
// writes them; the host thread only reads them, to post to the windows.
struct WindowRegistry {
    std::atomic<HWND> g_setupWnd{nullptr};
    std::atomic<HWND> g_multiplierWnd{nullptr};
    std::atomic<HWND> g_provinceWnd{nullptr};
    std::atomic<HWND> g_callAreaWnd{nullptr};
    std::atomic<HWND> g_prevQsoWnd{nullptr};
};

class WindowThread {
  public:
    WindowThread(PluginState& state, Settings& settings);
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    ~WindowThread() = default;  // never waits: the DLL may be unloading

    // Host thread.  Closes a running Setup window first, and waits a few
    // seconds at most for an earlier thread to end; starts nothing while it
    // has not.
    void StartUiThread();
    // Host thread.  Closes the information windows and the Setup window and
    // returns once the thread has left this DLL's code, or after a few
    // seconds at most.  `unloading`: called from DllMain under the loader
    // lock, where the thread must also not be left inside this DLL.
    void CloseAllWindows(bool unloading);

    bool SetupRunning() const { return m_registry.g_setupWnd != nullptr; }
    // Window thread: the Setup window is shown and its loop about to run.
    void SetupShown();
    void PostRefresh();
    // Asks the window thread to reset the named maps; true when one of them
    // is open.
    bool PostMapReset(WPARAM maps);

    WindowRegistry& Registry() { return m_registry; }
    // Set from the start of CloseAllWindows until the next start.
    const std::atomic<bool>& Closing() const { return m_closing; }
    PluginState& State() { return m_state; }
    Settings& GetSettings() { return m_settings; }

  private:
    static DWORD WINAPI ThreadStart(void* self);
    int UiThreadMain();
    [[noreturn]] void LeaveThread();
    bool Ended() const;
    static bool WaitForAny(HANDLE* handles, DWORD count, DWORD milliseconds);
    bool WaitForEnd(DWORD milliseconds);
    bool WaitForStartOrEnd(DWORD milliseconds);

    PluginState& m_state;
    Settings& m_settings;

    PAPCFUNC m_exitThread;  // the thread's way out, in the system's code
    WindowRegistry m_registry;
    KernelHandle m_thread;
    KernelHandle m_started;  // manual reset: the Setup window is shown
    KernelHandle m_ended;    // manual reset: the thread has left our code
    KernelHandle m_parked;   // never set: what the leaving thread waits on
    std::atomic<bool> m_entered{false};
    std::atomic<bool> m_closing{false};
};
