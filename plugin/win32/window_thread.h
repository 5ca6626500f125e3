// The plug-in's own window thread: its whole life is one run of the
// modeless Setup window, whose message loop also serves the information
// windows.
// One object owns the thread's handle and the window registry through
// which the host thread finds the windows.
#pragma once

#include <windows.h>

#include <atomic>

#include "contest/station_kinds.h"
#include "controls/handles.h"
#include "windows/info_refresh.h"
#include "windows/win32/window_registry.h"

class Setup;
class SharedView;
class Settings;

class WindowThread {
  public:
    WindowThread(SharedView& shared, Settings& settings);
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
    // Asks the window thread to reset the maps of the removed kinds of
    // station; answers the kinds whose map is open.
    StationKinds PostMapReset(StationKinds removed);

    WindowRegistry& Registry() { return m_registry; }

  private:
    static DWORD WINAPI ThreadStart(void* self);
    int UiThreadMain();
    static void ServeUntilEnded(Setup& setup);
    [[noreturn]] void LeaveThread();
    bool Ended() const;
    static bool WaitForAny(HANDLE* handles, DWORD count, DWORD milliseconds);
    bool WaitForEnd(DWORD milliseconds);
    bool WaitForStartOrEnd(DWORD milliseconds);

    SharedView& m_shared;
    Settings& m_settings;

    // The refresh's dial, band and call: one for the whole load, whatever
    // Setup windows come and go.
    RefreshState m_refresh;
    PAPCFUNC m_exitThread;  // the thread's way out, in the system's code
    WindowRegistry m_registry;
    KernelHandle m_thread;
    KernelHandle m_started;  // manual reset: the Setup window is shown
    KernelHandle m_ended;    // manual reset: the thread has left our code
    KernelHandle m_parked;   // never set: what the leaving thread waits on
    std::atomic<bool> m_entered{false};
    std::atomic<bool> m_closing{false};
};
