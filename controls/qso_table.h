// The previous-QSO table of the Prev_QSO window: the typed call, column
// titles, one line per band with mode, time and exchange, and a highlight
// on the line of the band the radio is on.
#pragma once

#include <windows.h>

#include "controls/painted_control.h"
#include "controls/painted_views.h"

// Paints `view` into `item` of any context.  The item is cut into one line
// more than there are band rows, of equal whole pixels: line 0 the call,
// line i the band i - 1.
void PaintQsoTable(HDC dc, const RECT& item, const TableView& view);

// Without a view provider the table shows no band and no call.
class CqEA : public PaintedControl<TableView, PaintQsoTable> {};
