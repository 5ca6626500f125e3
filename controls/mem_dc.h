// Off-screen painting: draw into a bitmap the size of the target's clip
// box, and copy the finished picture to the target in one transfer when the
// object goes, so the screen never shows a half-painted control.
#pragma once

#include <windows.h>

#include "controls/gdi.h"

class CMemDC {
  public:
    // `target` may be null: drawing then goes nowhere.  A printer, an empty
    // clip box or a bitmap that cannot be had draws straight on the target.
    explicit CMemDC(HDC target);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The context to draw on, in the target's logical coordinates.
    HDC Get() const { return m_bMemDC ? m_dc.Get() : m_pDC; }
    operator HDC() const { return Get(); }
    bool IsOffScreen() const { return m_bMemDC; }

  private:
    HDC m_pDC;  // not ours
    RECT m_rect;
    // Destroyed in reverse order: the old bitmap goes back in, then the
    // bitmap is deleted, then the memory context.
    MemoryDc m_dc;
    Bitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    bool m_bMemDC = false;
};
