// A 32-bit top-down DIB section in its own memory context: painters draw
// into it like into any context, and tests read its pixels back.
#pragma once

#include <windows.h>

#include <algorithm>

#include "controls/gdi.h"

class DibCanvas {
  public:
    static constexpr COLORREF kUntouched = RGB(10, 20, 30);

    DibCanvas(int width, int height, COLORREF fill = kUntouched)
        : m_width(width),
          m_height(height),
          m_dc(CreateCompatibleDC(nullptr)),
          m_bitmap(TopDownDib(width, height, &m_bits)),
          m_select(m_dc.Get(), m_bitmap.Get()) {
        Brush brush(CreateSolidBrush(fill));
        const RECT all{0, 0, width, height};
        FillRect(Dc(), &all, brush.Get());
    }
    HDC Dc() const { return m_dc.Get(); }
    RECT Area() const { return RECT{0, 0, m_width, m_height}; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD p = static_cast<const DWORD*>(m_bits)[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool SamePixels(const DibCanvas& other) const {
        GdiFlush();
        const auto* a = static_cast<const DWORD*>(m_bits);
        return m_width == other.m_width && m_height == other.m_height &&
               std::equal(a, a + m_width * m_height, static_cast<const DWORD*>(other.m_bits));
    }
    // Pixels of `color` within `area`.
    int Count(COLORREF color, const RECT& area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += At(x, y) == color ? 1 : 0;
        return n;
    }
    // Copies what `window` shows on the screen, from its top-left corner.
    void CopyFrom(HWND window) {
        WindowDc screen(window);
        BitBlt(Dc(), 0, 0, m_width, m_height, screen.Get(), 0, 0, SRCCOPY);
    }

  private:
    static Bitmap TopDownDib(int width, int height, void** bits) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    }

    int m_width, m_height;
    void* m_bits = nullptr;
    MemoryDc m_dc;
    Bitmap m_bitmap;
    SelectGuard m_select;
};
