#include "controls/owner_window.h"

namespace {
BOOL CALLBACK TakeMainWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;  // stop at the first one
}
}  // namespace

HWND OwnerForCallingThread() {
    HWND main = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeMainWindow, reinterpret_cast<LPARAM>(&main));
    if (main != nullptr) return main;
    return GetActiveWindow();
}
