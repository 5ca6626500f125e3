// A visible top-level window with a row of buttons made like the cells of
// the map templates (auto-check boxes, 20 pixels high), which hands each
// WM_DRAWITEM to the owner-drawn object of ours that took the button over.
// Top-most, so that the screen pixels the tests read are its own even when
// other test programs show windows on the same display.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/owner_drawn.h"

struct Cell {
    int id;
    int width;
    std::string caption;
};
class CellWindow {
  public:
    explicit CellWindow(const std::vector<Cell>& cells) {
        static const ATOM kClass = Register();
        m_window =
            CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(kClass), "Cells", WS_POPUP | WS_VISIBLE, 0,
                            0, 1000, 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        int x = 10;
        for (const Cell& cell : cells) {
            CreateWindowExA(0, "BUTTON", cell.caption.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, x, 10, cell.width,
                            20, m_window, reinterpret_cast<HMENU>(INT_PTR{cell.id}),
                            GetModuleHandleA(nullptr), nullptr);
            x += cell.width + 10;
        }
        UpdateWindow(m_window);
    }
    ~CellWindow() { DestroyWindow(m_window); }
    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DRAWITEM &&
            OwnerDrawnControl::ReflectDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static ATOM Register() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OwnerDrawnTestCells";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return RegisterClassA(&wc);
    }
    HWND m_window = nullptr;
};
