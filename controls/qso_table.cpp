#include "controls/qso_table.h"

#include "controls/gdi.h"
#include "controls/handles.h"
#include "controls/text_out.h"

namespace {
const COLORREF kBackground = RGB(255, 255, 198);
const COLORREF kHighlight = RGB(198, 255, 255);
// Two title lines, then band r on line r + 1 (band 0 falls on the second title line).
constexpr int kLines = kWindowBands + 1;

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.Get());
}

void PaintTitles(HDC dc, const std::string& call) {
    for (const PrevQsoColumn& column : kPrevQsoColumns) TextAt(dc, column.titleX, 38, column.title);
    TextAt(dc, 140, 10, call.empty() ? std::string("Call") : call);
}

// Band row r on line r + 1, from the first painted row on.
void PaintRows(HDC dc, int lineHeight, const TableView& view) {
    for (int row = kFirstPaintedRow; row < kWindowBands; ++row) {
        const int y = (row + 1) * lineHeight + 10;
        const PrevQsoRow& cells = view.rows[static_cast<size_t>(row)];
        for (const PrevQsoColumn& column : kPrevQsoColumns)
            TextAt(dc, column.x, y, cells.*column.field);
    }
}
}  // namespace

void PaintQsoTable(HDC dc, const RECT& item, const TableView& view) {
    FillWith(dc, item, kBackground);
    const int h = item.bottom / kLines;
    const int band = view.currentBand;
    if (band >= 0 && band < kWindowBands) {
        FillWith(dc, RECT{0, (band + 1) * h + 10, item.right, (band + 2) * h}, kHighlight);
    }
    SavedDcState saved(dc);
    SetBkMode(dc, TRANSPARENT);
    PaintTitles(dc, view.call);
    PaintRows(dc, h, view);
}
