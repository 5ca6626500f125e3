#include "controls/advanced_button.h"

#include "controls/drawn_shapes.h"

namespace {
// Holds 511 characters and the terminator; longer captions are cut.
constexpr int kCaptionBuffer = 512;
}  // namespace

void CAdvancedComponent::SetColors(COLORREF face, COLORREF text) {
    if (face == m_faceColor && text == m_textColor) return;
    m_faceColor = face;
    m_textColor = text;
    Invalidate();
}

bool CAdvancedButton::AttachToDlgItem(unsigned id, HWND parent, COLORREF face, COLORREF text,
                                      COLORREF disabledText) {
    if (!SubclassDlgItem(static_cast<int>(id), parent)) return false;
    m_faceColor = face;
    m_textColor = text;
    m_disabledTextColor = disabledText;
    m_shape = 0;
    return true;
}

void CAdvancedButton::Redraw() {
    // A null window would make RedrawWindow repaint the whole desktop.
    if (Window() == nullptr) return;
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CAdvancedButton::Invalidate() {
    if (Window() == nullptr) return;
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CAdvancedButton::PreSubclassWindow() {
    // The templates make the cells auto-check boxes (3); OR-ing in
    // BS_OWNERDRAW (0x0B) gives 0x0B, an owner-drawn button.  The button
    // reads its type from the style at every paint, so no frame change
    // needs to be announced.
    const LONG_PTR style = GetWindowLongPtrA(Window(), GWL_STYLE);
    SetWindowLongPtrA(Window(), GWL_STYLE, style | BS_OWNERDRAW);
}

void CAdvancedButton::DrawItem(const DRAWITEMSTRUCT& item) {
    char caption[kCaptionBuffer] = "";
    GetWindowTextA(Window(), caption, kCaptionBuffer);
    // Both painters are stateless; the one chosen serves this paint only.
    const DrawnRect rectangle;
    const DrawnEllipse ellipse;
    const DrawnObject& shape =
        m_shape == kEllipse ? static_cast<const DrawnObject&>(ellipse) : rectangle;
    shape.Draw(item.hDC, item.rcItem, item.itemState, m_faceColor);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    shape.DrawCaption(item.hDC, item.rcItem, caption, disabled ? m_disabledTextColor : m_textColor);
}
