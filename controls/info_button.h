// The multiplier list of the Multiplier window: the entities and call
// areas worked on the current band, flowed left to right in 40 by 15 cells.
#pragma once

#include <windows.h>

#include "controls/painted_control.h"
#include "controls/painted_views.h"

// Paints `view` into `item` of any context; the entries keep their order.
void PaintMultiplierList(HDC dc, const RECT& item, const MultiplierView& view);

// Without a view provider the list is empty.
class CCqWwInfoButton : public PaintedControl<MultiplierView, PaintMultiplierList> {};
