// The one finder of this process's windows for the Windows tests: the
// plug-in's windows live in the test program's own process.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// This process's top-level windows that `keep` accepts, in z-order.
std::vector<HWND> OwnWindows(const std::function<bool(HWND)>& keep);
// The first of them, or null.
HWND FirstOwnWindow(const std::function<bool(HWND)>& keep);
