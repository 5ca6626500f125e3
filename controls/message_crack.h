// The one place where wParam and lParam of the messages we handle are
// taken apart; handlers get named arguments instead.
#pragma once

#include <windows.h>

// WM_COMMAND: LOWORD(wParam) control id, HIWORD(wParam) notification code
// (0 for a menu, 1 for an accelerator), lParam the control's window.
struct CommandArgs {
    int id;
    int code;
    HWND control;
};
inline CommandArgs CrackCommand(WPARAM wParam, LPARAM lParam) {
    return {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)};
}

// WM_CTLCOLOR*: wParam the context the control (or the dialog) paints
// with, lParam its window.
inline HDC CrackControlColor(WPARAM wParam) { return reinterpret_cast<HDC>(wParam); }

// WM_DRAWITEM: lParam the item to paint (its control, context, rectangle
// and state); wParam the control id, 0 for a menu.
inline const DRAWITEMSTRUCT* CrackDrawItem(LPARAM lParam) {
    return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
}
