// What the host thread and the window thread know of each other's windows:
// the messages the host thread posts to the Setup window, and the registry
// through which it finds the windows.
#pragma once

#include <windows.h>

#include <atomic>

// Posted to the Setup window (wParam 0, lParam 0): refresh the windows.
constexpr UINT WM_REFRESH_INFO = WM_USER + 500;
// Posted to the Setup window by the host thread: reset the cells of the map
// windows of the kinds of station in wParam (StationKinds), as after a band
// change.
constexpr UINT WM_RESET_MAPS = WM_USER + 501;
// Posted to the Setup window by CloseAllWindows: close the information
// windows, then end the Setup window and with it the thread.
constexpr UINT WM_CLOSE_ALL = WM_USER + 502;

// Each entry is null while its window does not exist.  The window thread
// writes them; the host thread only reads them, to post to the windows.
struct WindowRegistry {
    std::atomic<HWND> g_setupWnd{nullptr};
    std::atomic<HWND> g_multiplierWnd{nullptr};
    std::atomic<HWND> g_provinceWnd{nullptr};
    std::atomic<HWND> g_callAreaWnd{nullptr};
    std::atomic<HWND> g_prevQsoWnd{nullptr};
};
