#include "windows/window_thread.h"

#include <objbase.h>

#include "windows/setup_window.h"

namespace {

// Bounds on every wait of the host thread, so that a window that does not
// answer cannot hang the host.
constexpr DWORD kCloseBoundMs = 2500;
constexpr DWORD kSetupBoundMs = 400;

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

WindowThread::WindowThread(PluginState& state, Settings& settings)
    : m_state(state),
      m_settings(settings),
      m_exitThread(FindExitThreadApc()),
      m_ended(CreateEventA(nullptr, TRUE, TRUE, nullptr)),
      m_parked(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

bool WindowThread::Ended() const {
    return !m_thread || WaitForSingleObject(m_ended.Get(), 0) == WAIT_OBJECT_0;
}

void WindowThread::StartUiThread() {
    if (SetupRunning()) CloseAllWindows(false);
    // A thread that did not end in time keeps its windows; no second one.
    if (!Ended()) return;
    m_entered = false;
    m_closing = false;
    ResetEvent(m_ended.Get());
    m_thread.Reset(CreateThread(nullptr, 0, &WindowThread::ThreadStart, this, 0, nullptr));
    // Not started: nothing runs, and the next reset that qualifies tries again.
    if (!m_thread) SetEvent(m_ended.Get());
}

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
        Setup setup(*this);
        setup.RunModal();
    }
    m_registry.g_setupWnd = nullptr;
    return 0;
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

// Waits for m_ended.  On a COM thread of the host the wait lets COM deliver
// calls to the host's objects, since the window thread may be in the middle
// of a call to the host's automation object that only this thread answers.
bool WindowThread::WaitForEnd(DWORD milliseconds) {
    HANDLE ended = m_ended.Get();
    DWORD index = 0;
    const HRESULT hr = CoWaitForMultipleHandles(0, milliseconds, 1, &ended, &index);
    if (hr == S_OK) return true;
    if (hr == RPC_S_CALLPENDING) return false;  // timed out
    return WaitForSingleObject(ended, milliseconds) == WAIT_OBJECT_0;
}

bool WindowThread::WaitForSetupWindow(DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 10) {
        if (SetupRunning() || Ended()) return true;
        Sleep(10);
    }
    return SetupRunning() || Ended();
}

void WindowThread::CloseAllWindows(bool unloading) {
    if (Ended()) return;
    if (!SetupRunning()) {
        if (!unloading) return;
        // Under the loader lock a thread that has not entered our code is
        // held in the system's start-up (which needs that lock): it would
        // run our code only after the DLL is gone, so it must not run at all.
        if (!m_entered || !WaitForSetupWindow(kSetupBoundMs)) {
            TerminateThread(m_thread.Get(), 0);
            return;
        }
        if (Ended()) return;
    }
    m_closing = true;
    PostMessageA(m_registry.g_setupWnd, WM_CLOSE_ALL, 0, 0);
    if (WaitForEnd(kCloseBoundMs) || !unloading) return;
    // Last resort: a thread that does not answer within the bound is stopped
    // rather than left to run code of an unmapped DLL.
    TerminateThread(m_thread.Get(), 0);
}

void WindowThread::PostRefresh() {
    HWND setup = m_registry.g_setupWnd;
    if (setup != nullptr) PostMessageA(setup, WM_REFRESH_INFO, 0, 0);
}

bool WindowThread::PostMapReset(WPARAM maps) {
    const bool open = ((maps & kProvinceMap) != 0 && m_registry.g_provinceWnd != nullptr) ||
                      ((maps & kCallAreaMap) != 0 && m_registry.g_callAreaWnd != nullptr);
    HWND setup = m_registry.g_setupWnd;
    if (open && setup != nullptr) PostMessageA(setup, WM_RESET_MAPS, maps, 0);
    return open;
}
