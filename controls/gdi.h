// Owners for device contexts and for the objects selected into them.
#pragma once

#include <windows.h>

#include <utility>

#include "controls/handles.h"

using Font = GdiObject<HFONT>;

// Memory contexts: DeleteDC, once every object we selected is back out.
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// A window's context from GetDC, given back with ReleaseDC to that window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDc() {
        if (m_dc != nullptr) ReleaseDC(m_window, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return m_dc; }

  private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object for one scope and puts the previous one back, so that
// the object is never deleted while it is still selected.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object)
        : m_dc(dc),
          m_previous(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (m_previous != nullptr && m_previous != HGDI_ERROR) SelectObject(m_dc, m_previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Saves the whole state of a context (colours, modes, origins, selections)
// and restores it at the end of the scope.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~SavedDcState() {
        if (m_saved != 0) RestoreDC(m_dc, m_saved);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

  private:
    HDC m_dc;
    int m_saved;
};
