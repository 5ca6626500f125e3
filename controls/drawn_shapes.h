// The painters of the coloured cells: a rectangle or an ellipse with a
// raised frame, a face colour, a centred caption and the focus and pressed
// marks.  They take any context and rectangle, so the same code paints on
// the screen and into a bitmap.  Rectangles come by value: each operation
// shrinks or grows only its own copy.  An empty or inverted rectangle, or a
// null context, paints nothing.
#pragma once

#include <windows.h>

class DrawnObject {
  public:
    // A painter may be made for one paint and deleted through this base.
    virtual ~DrawnObject() = default;

    // The whole cell without its caption; `state` holds ODS_* bits, of
    // which only ODS_SELECTED and ODS_FOCUS change the picture.
    virtual void Draw(HDC dc, RECT rect, UINT state, COLORREF face) const = 0;
    // One line, centred both ways, over a transparent background, which
    // the context keeps afterwards.
    virtual void DrawCaption(HDC dc, RECT rect, const char* caption, COLORREF color) const;
    // Raised for a positive width, sunken for a negative one.
    virtual void DrawFrame(HDC dc, RECT rect, int width) const = 0;
    virtual void Fill(HDC dc, RECT rect, COLORREF color) const = 0;
    virtual void DrawFocus(HDC dc, RECT rect, COLORREF face) const = 0;
};

class DrawnRect : public DrawnObject {
  public:
    void Draw(HDC dc, RECT rect, UINT state, COLORREF face) const override;
    // |width| rings of one pixel, the outer ones first.
    void DrawFrame(HDC dc, RECT rect, int width) const override;
    void Fill(HDC dc, RECT rect, COLORREF color) const override;
    // The system's dotted XOR rectangle; the face colour is not used.
    void DrawFocus(HDC dc, RECT rect, COLORREF face) const override;
};

class DrawnEllipse : public DrawnObject {
  public:
    void Draw(HDC dc, RECT rect, UINT state, COLORREF face) const override;
    // One 2-pixel ring: grey when raised (width 0 too), near-black when sunken.
    void DrawFrame(HDC dc, RECT rect, int width) const override;
    // Concentric ellipses one pixel apart with 3-pixel outlines.
    void Fill(HDC dc, RECT rect, COLORREF color) const override;
    // A dotted near-black ellipse whose gaps show the face colour.
    void DrawFocus(HDC dc, RECT rect, COLORREF face) const override;
};
