#include "windows/win32/list_windows.h"

#include "controls/control_colors.h"
#include "controls/palette.h"
#include "resources/resource.h"

void MultiplierWindow::OnInitWindow() {
    AttachControl(IDC_MULT_LIST, [this] { return TakeMultiplierView(m_shared, m_refresh); });
}

bool MultiplierWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_SIZE) FitList();  // then the default handling
    return InfoWindow::OnMessage(message, wParam, lParam, result);
}

// A 1-pixel margin left and top, 3 pixels right and bottom.
void MultiplierWindow::FitList() {
    RECT client;
    if (m_control.Window() == nullptr || !GetClientRect(Window(), &client)) return;
    MoveWindow(m_control.Window(), client.left + 1, client.top + 1, client.right - 4,
               client.bottom - 4, TRUE);
}

void PrevQsoWindow::OnInitWindow() {
    AttachControl(IDC_PREV_TABLE, [this] { return TakeTableView(m_shared, m_refresh); });
    m_background.Reset(CreateSolidBrush(kWindowBackground));
}

bool PrevQsoWindow::OnControlColor(HDC dc, INT_PTR& brush) {
    return ColorControl(dc, kWindowBackground, m_background, brush);
}
