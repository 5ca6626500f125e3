// The window that owns a message box or modal dialog shown on behalf of
// the host.
#pragma once

#include <windows.h>

// The calling thread's main window (its first visible top-level window
// without an owner), else its active window, else null (no owner).
HWND OwnerForCallingThread();
