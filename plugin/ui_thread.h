// The plug-in's own window thread and the registry through which both
// threads find its windows.
#pragma once

#include <windows.h>

#include <atomic>

// The window registry: null while the window does not exist.  The setup
// window being registered is the only sign that the thread runs.
extern std::atomic<HWND> g_setupWnd;
extern std::atomic<HWND> g_multiplierWnd;
extern std::atomic<HWND> g_provinceWnd;
extern std::atomic<HWND> g_callAreaWnd;
extern std::atomic<HWND> g_prevQsoWnd;

// Posted to the setup window (wParam 0, lParam 0) to refresh the windows.
constexpr UINT WM_REFRESH_INFO = WM_USER + 500;

// Starts the window thread (host thread).
void StartUiThread();

// Closes the information windows, then the setup window, and returns once
// the thread has unregistered it.  Does nothing while no setup window runs.
void CloseAllWindows();
