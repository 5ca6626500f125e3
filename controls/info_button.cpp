#include "controls/info_button.h"

#include "controls/gdi.h"
#include "controls/handles.h"
#include "controls/mem_dc.h"
#include "controls/text_out.h"

namespace {
const COLORREF kBackground = RGB(255, 250, 198);
constexpr int kCellWidth = 40;
constexpr int kCellHeight = 15;
constexpr int kFirstX = 5;

bool IsKnownBand(int band) { return band >= 0 && band < kWindowBands; }
}  // namespace

void PaintMultiplierList(HDC dc, const RECT& item, const MultiplierView& view) {
    Brush background(CreateSolidBrush(kBackground));
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

void CCqWwInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
    // The view first: a provider that throws leaves the old picture.
    const MultiplierView view = m_provider ? m_provider() : MultiplierView{};
    CMemDC dc(item.hDC);
    PaintMultiplierList(dc, item.rcItem, view);
}
