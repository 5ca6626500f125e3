// An owner-drawn control that paints a view of what it shows: at each
// paint it asks its provider for the view, then paints it off-screen with
// `Paint`, which takes any context (a test paints into a bitmap with it).
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
    }

  private:
    ViewProvider m_provider;
};
