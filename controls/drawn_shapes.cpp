#include "controls/drawn_shapes.h"

#include <cstdlib>

#include "controls/gdi.h"

namespace {
const COLORREF kFrameGrey = RGB(128, 128, 128);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kNearBlack = RGB(1, 1, 1);

// GDI normalises inverted rectangles and would paint them; we do not.
bool Paintable(HDC dc, const RECT& rect) { return dc != nullptr && !IsRectEmpty(&rect); }

RECT Shrunk(RECT rect, int by) {
    InflateRect(&rect, -by, -by);
    return rect;
}

// A solid block without a brush, like the opaque background of an empty
// text; the context's background colour is put back.
void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    if (IsRectEmpty(&rect)) return;
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// One-pixel ring: top and left edges in `first`, right and bottom edges
// (corners included) in `second`.
void Draw3dRect(HDC dc, const RECT& r, COLORREF first, COLORREF second) {
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, first);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, first);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, second);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, second);
}

struct RingColors {
    COLORREF light, dark;
};

// A single ring is pure white and mid grey; wider frames fade ring by ring
// through palette-relative greys, which on a palette display take the
// nearest entry of the realised palette.
RingColors RingColorsOf(long long rings, long long pass) {
    if (rings == 1) return {kWhite, kFrameGrey};
    const int light = static_cast<int>(63 / pass + 192);
    const int dark = static_cast<int>(255 / (pass + 1));
    return {PALETTERGB(light, light, light), PALETTERGB(dark, dark, dark)};
}

void EllipseIn(HDC dc, const RECT& r) { Ellipse(dc, r.left, r.top, r.right, r.bottom); }
}  // namespace

void DrawnObject::DrawCaption(HDC dc, RECT rect, const char* caption, COLORREF color) const {
    if (!Paintable(dc, rect) || caption == nullptr) return;
    const COLORREF previous = ::SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetTextColor(dc, previous);
}

void DrawnRect::Draw(HDC dc, RECT rect, UINT state, COLORREF face) const {
    if (!Paintable(dc, rect)) return;
    Fill(dc, rect, face);
    DrawFrame(dc, rect, 2);
    // Pressed shows only together with the focus: a click always brings it.
    if ((state & ODS_FOCUS) == 0) return;
    if ((state & ODS_SELECTED) != 0) DrawFrame(dc, rect, -1);
    DrawFocus(dc, Shrunk(rect, 2), face);
}

void DrawnRect::DrawFrame(HDC dc, RECT rect, int width) const {
    // Widened first: the magnitude of INT_MIN does not fit an int.
    const long long rings = std::llabs(static_cast<long long>(width));
    for (long long pass = 1; pass <= rings && Paintable(dc, rect); ++pass) {
        const RingColors colors = RingColorsOf(rings, pass);
        if (width > 0)
            Draw3dRect(dc, rect, colors.light, colors.dark);
        else
            Draw3dRect(dc, rect, colors.dark, colors.light);
        rect = Shrunk(rect, 1);
    }
}

void DrawnRect::Fill(HDC dc, RECT rect, COLORREF color) const {
    if (!Paintable(dc, rect)) return;
    Brush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void DrawnRect::DrawFocus(HDC dc, RECT rect, COLORREF /*face*/) const {
    if (Paintable(dc, rect)) DrawFocusRect(dc, &rect);
}

void DrawnEllipse::Draw(HDC dc, RECT rect, UINT state, COLORREF face) const {
    RECT r = Shrunk(rect, 1);
    if (!Paintable(dc, r)) return;
    DrawFrame(dc, r, 2);
    r = Shrunk(r, 1);
    Fill(dc, r, face);
    if ((state & ODS_FOCUS) == 0) return;
    if ((state & ODS_SELECTED) != 0) {
        DrawFrame(dc, Shrunk(r, -1), -1);
        DrawFrame(dc, r, -1);
    }
    Fill(dc, r, face);
    r = Shrunk(r, 2);
    DrawFocus(dc, r, face);
    Fill(dc, Shrunk(r, 1), face);
}

void DrawnEllipse::DrawFrame(HDC dc, RECT rect, int width) const {
    if (!Paintable(dc, rect)) return;
    Pen pen(CreatePen(PS_SOLID, 2, width >= 0 ? kFrameGrey : kNearBlack));
    SelectGuard select(dc, pen.Get());
    // The inside takes the current brush; the fill that follows covers it.
    EllipseIn(dc, rect);
}

void DrawnEllipse::Fill(HDC dc, RECT rect, COLORREF color) const {
    if (!Paintable(dc, rect)) return;
    Pen pen(CreatePen(PS_SOLID, 3, color));
    SelectGuard select(dc, pen.Get());
    for (rect = Shrunk(rect, 1); !IsRectEmpty(&rect); rect = Shrunk(rect, 1)) EllipseIn(dc, rect);
}

void DrawnEllipse::DrawFocus(HDC dc, RECT rect, COLORREF face) const {
    if (!Paintable(dc, rect)) return;
    Pen pen(CreatePen(PS_DOT, 1, kNearBlack));
    SelectGuard select(dc, pen.Get());
    // The gaps of a dotted line take the background colour when opaque.
    const int previousMode = SetBkMode(dc, OPAQUE);
    const COLORREF previousBack = SetBkColor(dc, face);
    EllipseIn(dc, rect);
    SetBkColor(dc, previousBack);
    SetBkMode(dc, previousMode);
}
