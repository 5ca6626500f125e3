// The coloured cell of the map windows: a button that paints itself as a
// rectangle or an ellipse in its face colour with a centred caption, and
// repaints when its colours change.  It has no mouse handling of
// its own: a click goes to the button class, which tells the parent as
// usual, and nothing toggles.
#pragma once

#include <windows.h>

#include "controls/owner_drawn.h"

// Colours that can be changed at any time.
class CAdvancedComponent {
  public:
    CAdvancedComponent(const CAdvancedComponent&) = delete;
    CAdvancedComponent& operator=(const CAdvancedComponent&) = delete;

    // Face and text together, with one repaint at the next WM_PAINT, and
    // none when neither changes: cells changed together paint in one go.
    void SetColors(COLORREF face, COLORREF text);
    virtual void Redraw() = 0;
    virtual void Invalidate() = 0;

    COLORREF m_faceColor = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);

  protected:
    CAdvancedComponent() = default;
    // Owners delete the whole control, never this mix-in alone.
    ~CAdvancedComponent() = default;
};

class CAdvancedButton : public OwnerDrawnControl, public CAdvancedComponent {
  public:
    CAdvancedButton() = default;

    // Takes over the parent's item `id` and stores the three colours and
    // the rectangle shape; false, with nothing changed, when the parent
    // has no such item or it is taken over already.  Does not repaint.
    bool AttachToDlgItem(unsigned id, HWND parent, COLORREF face, COLORREF text,
                         COLORREF disabledText);

    // Invalidates, erases and repaints the whole button before returning.
    void Redraw() override;
    // Invalidates and erases the whole button; the next WM_PAINT paints it.
    void Invalidate() override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    COLORREF m_disabledTextColor = RGB(128, 128, 128);
    // kEllipse paints an ellipse, any other value a rectangle.
    static constexpr int kEllipse = 1;
    int m_shape = 0;

  protected:
    void PreSubclassWindow() override;
};
