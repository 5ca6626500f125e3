// What a window shows on the screen now, copied once and read back by its
// pixels in the window's own terms: a child control's rectangle, a point of
// a control's client area.
#pragma once

#include <windows.h>

#include "tests/support/dib_canvas_win.h"

class ScreenShot {
  public:
    static constexpr COLORREF kGreen = RGB(0, 255, 0);      // a map cell not worked
    static constexpr COLORREF kMagenta = RGB(255, 0, 255);  // a map cell worked

    explicit ScreenShot(HWND window) : m_canvas(Size(window).cx, Size(window).cy) {
        RECT place;
        GetWindowRect(window, &place);
        m_origin = {place.left, place.top};
        HDC screen = GetDC(nullptr);
        BitBlt(m_canvas.Dc(), 0, 0, m_canvas.Width(), m_canvas.Height(), screen, m_origin.x,
               m_origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }

    // The colour that most pixels of the middle row of a child control have
    // among green and magenta; black when it has neither.
    COLORREF CellFace(HWND cell) const {
        RECT r;
        GetWindowRect(cell, &r);
        const int y = (r.top + r.bottom) / 2 - m_origin.y;
        const RECT row{r.left - m_origin.x, y, r.right - m_origin.x, y + 1};
        const int green = m_canvas.Count(kGreen, row), magenta = m_canvas.Count(kMagenta, row);
        if (green == 0 && magenta == 0) return RGB(0, 0, 0);
        return magenta > green ? kMagenta : kGreen;
    }
    // The pixel at (x, y) of a window's client area.
    COLORREF At(HWND child, int x, int y) const {
        POINT p{x, y};
        ClientToScreen(child, &p);
        return m_canvas.At(p.x - m_origin.x, p.y - m_origin.y);
    }
    // Pixels of `color` on a child control.
    int Count(COLORREF color, HWND child) const {
        RECT r;
        GetWindowRect(child, &r);
        OffsetRect(&r, -m_origin.x, -m_origin.y);
        return m_canvas.Count(color, r);
    }
    // Text pixels within `area` of a child's client area.
    int Ink(HWND child, const RECT& area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += IsDark(At(child, x, y)) ? 1 : 0;
        return n;
    }

  private:
    static SIZE Size(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    static bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; }

    DibCanvas m_canvas;
    POINT m_origin;
};
