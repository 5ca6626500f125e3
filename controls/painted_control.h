// An owner-drawn control that paints a view of what it shows: at each
// paint it asks its provider for the view, then paints it off-screen with
// `Paint`, which takes any context (a test paints into a bitmap with it).
// Refresh repaints it only when the view is not the one already shown.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "controls/mem_dc.h"
#include "controls/owner_drawn.h"

template <class View, void (*Paint)(HDC, const RECT&, const View&)>
class PaintedControl : public OwnerDrawnControl {
  public:
    using ViewProvider = std::function<View()>;

    // Called at each paint; without one the control paints an empty view.
    void SetViewProvider(ViewProvider provider) { m_provider = std::move(provider); }

    void DrawItem(const DRAWITEMSTRUCT& item) override {
        // The view first: a provider that throws leaves the old picture.
        const View view = m_provider ? m_provider() : View{};
        CMemDC dc(item.hDC);
        Paint(dc, item.rcItem, view);
        // A paint of another view than the last refresh found (the data
        // changed in between) may have covered only part of the control.
        if (!(view == m_refreshed)) m_mixed = true;
    }

    // Invalidates the control, without erasing, unless it shows the view
    // that the last refresh found and no paint since has shown another.
    void Refresh() {
        if (Window() == nullptr) return;
        try {
            View view = m_provider ? m_provider() : View{};
            if (m_known && !m_mixed && view == m_refreshed) return;
            m_refreshed = std::move(view);
            m_known = true;
            m_mixed = false;
        } catch (...) {
            m_known = false;  // no view to compare with: repaint
        }
        InvalidateRect(Window(), nullptr, FALSE);
    }

  private:
    ViewProvider m_provider;
    View m_refreshed;      // what the last refresh found
    bool m_known = false;  // m_refreshed holds a view
    bool m_mixed = false;  // a paint since showed another view
};
