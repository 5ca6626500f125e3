#include "plugin/ui_thread.h"

std::atomic<HWND> g_setupWnd{nullptr};
std::atomic<HWND> g_multiplierWnd{nullptr};
std::atomic<HWND> g_provinceWnd{nullptr};
std::atomic<HWND> g_callAreaWnd{nullptr};
std::atomic<HWND> g_prevQsoWnd{nullptr};

namespace {
// A cross-thread send: returns once the window's thread has handled it.
void CloseAndForget(std::atomic<HWND>& entry) {
    HWND window = entry.exchange(nullptr);
    if (window != nullptr) SendMessageA(window, WM_CLOSE, 0, 0);
}
}  // namespace

void StartUiThread() {
    if (g_setupWnd != nullptr) CloseAllWindows();
    // The setup window that the thread runs is not built yet; until it is,
    // no thread is started and the registry stays empty.
}

void CloseAllWindows() {
    if (g_setupWnd == nullptr) return;
    CloseAndForget(g_callAreaWnd);
    CloseAndForget(g_provinceWnd);
    CloseAndForget(g_prevQsoWnd);
    CloseAndForget(g_multiplierWnd);
    HWND setup = g_setupWnd;
    if (setup == nullptr) return;
    SendMessageA(setup, WM_CLOSE, 0, 0);
    // The thread clears the entry once the modal run has ended.
    while (g_setupWnd != nullptr) Sleep(20);
}
