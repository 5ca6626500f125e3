#include "plugin/win32/window_thread.h"

#include <objbase.h>

#include "controls/com.h"
#include "plugin/win32/host_automation.h"
#include "windows/win32/info_slots.h"
#include "windows/win32/plugin_window.h"
#include "windows/win32/setup_window.h"

namespace {

// Bounds on every wait of the host thread, so that a window that does not
// answer cannot hang the host.
constexpr DWORD kCloseBoundMs = 2500;
constexpr DWORD kStartBoundMs = 5000;

// kernel32's ExitThread as an APC.  Taken from kernel32 itself, not through
// an import thunk, which would lie in this DLL.  Looked up when the DLL
// loads: the lookup takes the loader lock, which a host thread unloading
// the DLL holds while it waits for the window thread to leave.
PAPCFUNC FindExitThreadApc() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    FARPROC exitThread = kernel != nullptr ? GetProcAddress(kernel, "ExitThread") : nullptr;
    return reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(exitThread));
}

}  // namespace

WindowThread::WindowThread(SharedView& shared, Settings& settings)
    : m_shared(shared),
      m_settings(settings),
      m_exitThread(FindExitThreadApc()),
      m_started(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_ended(CreateEventA(nullptr, TRUE, TRUE, nullptr)),
      m_parked(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

bool WindowThread::Ended() const {
    return !m_thread || WaitForSingleObject(m_ended.Get(), 0) == WAIT_OBJECT_0;
}

void WindowThread::StartUiThread() {
    if (SetupRunning()) {
        CloseAllWindows(false);
    } else if (!Ended()) {
        // Its Setup window just gone, the thread is still on its way out
        // (giving back the host's object): worth the bound, or this start
        // would be lost.
        WaitForEnd(kCloseBoundMs);
    }
    // A thread that did not end in time keeps its windows; no second one.
    if (!Ended()) return;
    m_entered = false;
    m_closing = false;
    ResetEvent(m_started.Get());
    ResetEvent(m_ended.Get());
    m_thread.Reset(CreateThread(nullptr, 0, &WindowThread::ThreadStart, this, 0, nullptr));
    // Not started: nothing runs, and the next reset that qualifies tries again.
    if (!m_thread) {
        SetEvent(m_ended.Get());
        return;
    }
    // The reset returns once the Setup window is up and served (or after the
    // bound): a thread still making its first window cannot answer a close,
    // and an unload soon after the reset must not find one.
    WaitForStartOrEnd(kStartBoundMs);
}

void WindowThread::SetupShown() { SetEvent(m_started.Get()); }

DWORD WINAPI WindowThread::ThreadStart(void* param) {
    auto* self = static_cast<WindowThread*>(param);
    self->m_entered = true;
    try {
        self->UiThreadMain();
    } catch (...) {
        // Nothing may unwind out of the thread.
    }
    self->LeaveThread();
}

int WindowThread::UiThreadMain() {
    if (m_registry.g_setupWnd != nullptr) return 1;
    {
        const ComApartment com;  // outlives the host's object
        HostAutomation host(m_closing);
        host.Connect();
        Setup setup(m_registry, m_shared, m_refresh, m_settings, host);
        if (setup.Open()) {
            SetupShown();
            ServeUntilEnded(setup);
            setup.Close();
        }
        // Given up while the host can still answer: at an unload the host
        // thread waits in DllMain in a wait that serves COM.  Left to the
        // thread's end, the release would call the host while holding the
        // loader lock, which the host then needs.
        host.Disconnect();
    }
    m_registry.g_setupWnd = nullptr;
    return 0;
}

// One loop serves every window of the thread, so each dialog gets its
// keyboard handling.
void WindowThread::ServeUntilEnded(Setup& setup) {
    MSG msg;
    while (!setup.Ended()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever loops after us
            return;
        }
        if (got == -1) return;
        if (setup.IsOwnDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The thread's last steps run in the system's code, never in ours: the exit
// is queued as an APC to this thread, then one kernel call both signals
// m_ended and waits alertably, which runs the APC.  So once m_ended is set,
// the thread never comes back into this DLL, which may be gone by then.
void WindowThread::LeaveThread() {
    if (m_exitThread != nullptr && QueueUserAPC(m_exitThread, GetCurrentThread(), 0) != 0) {
        SignalObjectAndWait(m_ended.Get(), m_parked.Get(), INFINITE, TRUE);
    }
    SetEvent(m_ended.Get());
    ExitThread(0);
}

// Waits for any of the handles while answering what the window thread
// needs from this thread: on a COM thread of the host, calls to the host's
// automation object (CoWaitForMultipleHandles serves them); on any thread,
// messages sent to this thread's windows (showing a window sends some to
// the thread that was active), which an ordinary wait would never answer.
bool WindowThread::WaitForAny(HANDLE* handles, DWORD count, DWORD milliseconds) {
    DWORD index = 0;
    const HRESULT hr = CoWaitForMultipleHandles(0, milliseconds, count, handles, &index);
    if (hr == S_OK) return true;
    if (hr == RPC_S_CALLPENDING) return false;  // timed out
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - start;  // wraps safely
        const DWORD left = spent < milliseconds ? milliseconds - spent : 0;
        const DWORD woke = MsgWaitForMultipleObjects(count, handles, FALSE, left, QS_SENDMESSAGE);
        if (woke < WAIT_OBJECT_0 + count) return true;
        if (woke != WAIT_OBJECT_0 + count) return false;
        // Peeking delivers the sent messages and leaves posted ones alone.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool WindowThread::WaitForEnd(DWORD milliseconds) {
    HANDLE ended = m_ended.Get();
    return WaitForAny(&ended, 1, milliseconds);
}

bool WindowThread::WaitForStartOrEnd(DWORD milliseconds) {
    HANDLE either[] = {m_started.Get(), m_ended.Get()};
    return WaitForAny(either, 2, milliseconds);
}

void WindowThread::CloseAllWindows(bool unloading) {
    if (Ended()) return;
    const DWORD start = GetTickCount();
    if (!SetupRunning()) {
        if (!unloading) return;
        // Under the loader lock a thread that has not entered our code is
        // held in the system's start-up (which needs that lock): it would
        // run our code only after the DLL is gone, so it must not run at all.
        if (!m_entered || !WaitForStartOrEnd(kCloseBoundMs)) {
            TerminateThread(m_thread.Get(), 0);
            return;
        }
        if (Ended()) return;
    }
    m_closing = true;
    PostMessageA(m_registry.g_setupWnd, WM_CLOSE_ALL, 0, 0);
    const DWORD spent = GetTickCount() - start;  // wraps safely
    const DWORD left = spent < kCloseBoundMs ? kCloseBoundMs - spent : 0;
    if (WaitForEnd(left) || !unloading) return;
    // Last resort: a thread that does not answer within the bound is stopped
    // rather than left to run code of an unmapped DLL.
    TerminateThread(m_thread.Get(), 0);
}

void WindowThread::PostRefresh() {
    HWND setup = m_registry.g_setupWnd;
    if (setup != nullptr) PostRefreshRequest(setup);
}

StationKinds WindowThread::PostMapReset(StationKinds removed) {
    const StationKinds open = OpenMapsOf(removed, m_registry);
    HWND setup = m_registry.g_setupWnd;
    if (open != 0 && setup != nullptr) PostMessageA(setup, WM_RESET_MAPS, open, 0);
    return open;
}
