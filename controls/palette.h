// The plug-in's colours, shared by every window and control.
#pragma once

#include <windows.h>

// The face of every window and list.
constexpr COLORREF kWindowBackground = RGB(255, 250, 198);
// Behind the text of a control (labels, check boxes).
constexpr COLORREF kControlTextBackground = RGB(255, 240, 198);
constexpr COLORREF kControlText = RGB(0, 0, 0);
