#include "controls/qso_table.h"

#include <algorithm>
#include <iterator>

#include "controls/gdi.h"
#include "controls/handles.h"
#include "controls/text_out.h"

namespace {
const COLORREF kBackground = RGB(255, 255, 198);
const COLORREF kHighlight = RGB(198, 255, 255);
// Two title lines, then band r on line r + 1 (band 0 falls on the second title line).
constexpr int kLines = kWindowBands + 1;
constexpr int kCellX[kTableCells] = {20, 100, 180, 260};

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.Get());
}

void PaintTitles(HDC dc, const std::string& call) {
    TextAt(dc, 20, 38, "Band");
    TextAt(dc, 100, 38, "Mode");
    TextAt(dc, 140, 10, call.empty() ? std::string("Call") : call);
    TextAt(dc, 178, 38, "Time");
    TextAt(dc, 245, 38, "Prov/NR");
}

// Band row r on line r + 1, from the first painted row on.
void PaintRows(HDC dc, int lineHeight, const TableView& view) {
    for (int row = kFirstPaintedRow; row < kWindowBands; ++row) {
        const int line = row + 1;
        const std::vector<std::string>& cells = view.rows[static_cast<size_t>(row)];
        const size_t shown = std::min(cells.size(), std::size(kCellX));
        for (size_t c = 0; c < shown; ++c) TextAt(dc, kCellX[c], line * lineHeight + 10, cells[c]);
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
