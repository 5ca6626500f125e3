#include "controls/mem_dc.h"

namespace {
bool IsPrinter(HDC dc) { return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

RECT ClipBoxOf(HDC dc) {
    RECT box{};
    // NULLREGION leaves an empty box, ERROR an unknown one: both mean
    // nothing to paint off-screen.
    if (dc == nullptr || GetClipBox(dc, &box) == ERROR) return RECT{};
    return box;
}

bool IsEmpty(const RECT& r) {
    return static_cast<long long>(r.right) <= r.left || static_cast<long long>(r.bottom) <= r.top;
}

int Width(const RECT& r) { return static_cast<int>(static_cast<long long>(r.right) - r.left); }
int Height(const RECT& r) { return static_cast<int>(static_cast<long long>(r.bottom) - r.top); }
}  // namespace

CMemDC::CMemDC(HDC target) : m_pDC(target), m_rect(ClipBoxOf(target)) {
    if (target == nullptr || IsPrinter(target) || IsEmpty(m_rect)) return;
    // Both the context and the bitmap follow the target, not the memory
    // context, whose own bitmap is one monochrome pixel.
    m_dc.Reset(CreateCompatibleDC(target));
    if (!m_dc) return;
    m_bitmap.Reset(CreateCompatibleBitmap(target, Width(m_rect), Height(m_rect)));
    if (!m_bitmap) return;
    m_oldBitmap = SelectObject(m_dc.Get(), m_bitmap.Get());
    if (m_oldBitmap == nullptr || m_oldBitmap == HGDI_ERROR) {
        m_oldBitmap = nullptr;
        return;
    }
    SetWindowOrgEx(m_dc.Get(), m_rect.left, m_rect.top, nullptr);
    m_bMemDC = true;
}

CMemDC::~CMemDC() {
    if (!m_bMemDC) return;
    BitBlt(m_pDC, m_rect.left, m_rect.top, Width(m_rect), Height(m_rect), m_dc.Get(), m_rect.left,
           m_rect.top, SRCCOPY);
    SelectObject(m_dc.Get(), m_oldBitmap);
}
