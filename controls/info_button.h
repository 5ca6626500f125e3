// The multiplier list of the Multiplier window: the entities and call
// areas worked on the current band, flowed left to right in 40 by 15 cells.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "controls/owner_drawn.h"
#include "windows/refresh_views.h"

// Paints `view` into `item` of any context; the entries keep their order.
void PaintMultiplierList(HDC dc, const RECT& item, const MultiplierView& view);

class CCqWwInfoButton : public OwnerDrawnControl {
  public:
    using ViewProvider = std::function<MultiplierView()>;

    // Called at each paint; without one the list is empty.
    void SetViewProvider(ViewProvider provider) { m_provider = std::move(provider); }
    void DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    ViewProvider m_provider;
};
