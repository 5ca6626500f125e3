// The previous-QSO table of the Prev_QSO window: the typed call, column
// titles, one line per band with mode, time and exchange, and a highlight
// on the line of the band the radio is on.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "controls/owner_drawn.h"
#include "windows/refresh_views.h"

// Paints `view` into `item` of any context.  The item is cut into seven
// lines of bottom / 7 pixels: line 0 the call, line i the band i - 1.
void PaintQsoTable(HDC dc, const RECT& item, const TableView& view);

class CqEA : public OwnerDrawnControl {
  public:
    using ViewProvider = std::function<TableView()>;

    // Called at each paint; without one the table shows no band and no call.
    void SetViewProvider(ViewProvider provider) { m_provider = std::move(provider); }
    void DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    ViewProvider m_provider;
};
