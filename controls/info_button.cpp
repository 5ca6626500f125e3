#include "controls/info_button.h"

#include "controls/gdi.h"
#include "controls/handles.h"
#include "controls/palette.h"
#include "controls/text_out.h"

namespace {
constexpr int kCellWidth = 40;
constexpr int kCellHeight = 15;
constexpr int kFirstX = 5;

bool IsKnownBand(int band) { return band >= 0 && band < kWindowBands; }
}  // namespace

void PaintMultiplierList(HDC dc, const RECT& item, const MultiplierView& view) {
    Brush background(CreateSolidBrush(kWindowBackground));
    FillRect(dc, &item, background.Get());
    if (!IsKnownBand(view.currentBand)) return;

    SavedDcState saved(dc);
    SetBkMode(dc, TRANSPARENT);
    // 64 bits: a rectangle at the edge of the int range must not overflow.
    const long long wrapAfter = static_cast<long long>(item.right) - kCellWidth;
    int x = kFirstX;
    int y = 0;
    for (const std::string& entry : view.entries) {
        // Entries below the bottom edge would be clipped anyway.
        if (y >= item.bottom) break;
        TextAt(dc, x, y, entry);
        x += kCellWidth;
        if (x > wrapAfter) {
            y += kCellHeight;
            x = kFirstX;
        }
    }
}
