// WM_CTLCOLOR*: the colours a dialog gives a control (or itself) as it
// paints.  wParam is the context the control paints with; the answer is
// the brush for the control's face.
#pragma once

#include <windows.h>

#include "controls/handles.h"
#include "controls/palette.h"

// Black text on `textBackground`, the face from `face`; false (the
// system's colours) when the brush could not be made.
inline bool ColorControl(HDC dc, COLORREF textBackground, const Brush& face, INT_PTR& result) {
    SetTextColor(dc, kControlText);
    SetBkColor(dc, textBackground);
    result = reinterpret_cast<INT_PTR>(face.Get());
    return face.Valid();
}
