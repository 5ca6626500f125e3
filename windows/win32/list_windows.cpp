#include "windows/win32/list_windows.h"

#include "resources/resource.h"

namespace {
const COLORREF kBackground = RGB(255, 250, 198);
}

MultiplierWindow::MultiplierWindow(Settings& settings, bool onTop, std::atomic<HWND>& registryEntry,
                                   PluginState& state, const RefreshState& refresh)
    : InfoWindow(IDD_MULTIPLIER, settings, PositionKeys{"dxcc_x", "dxcc_y", 10, 400}, onTop,
                 registryEntry),
      m_state(state),
      m_refresh(refresh) {}

MultiplierWindow::~MultiplierWindow() { Destroy(); }

void MultiplierWindow::OnInitWindow() {
    m_list.SubclassDlgItem(IDC_MULT_LIST, Window());
    m_list.SetViewProvider([this] { return TakeMultiplierView(m_state, m_refresh); });
}

bool MultiplierWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_SIZE) FitList();  // then the default handling
    return InfoWindow::OnMessage(message, wParam, lParam, result);
}

// A 1-pixel margin left and top, 3 pixels right and bottom.
void MultiplierWindow::FitList() {
    RECT client;
    if (m_list.Window() == nullptr || !GetClientRect(Window(), &client)) return;
    MoveWindow(m_list.Window(), client.left + 1, client.top + 1, client.right - 4,
               client.bottom - 4, TRUE);
}

void MultiplierWindow::Repaint() {
    if (m_list.Window() != nullptr) InvalidateRect(m_list.Window(), nullptr, FALSE);
}

PrevQsoWindow::PrevQsoWindow(Settings& settings, bool onTop, std::atomic<HWND>& registryEntry,
                             PluginState& state, const RefreshState& refresh)
    : InfoWindow(IDD_PREV_QSO, settings, PositionKeys{"prev_x", "prev_y", 10, 400}, onTop,
                 registryEntry),
      m_state(state),
      m_refresh(refresh) {}

PrevQsoWindow::~PrevQsoWindow() { Destroy(); }

void PrevQsoWindow::OnInitWindow() {
    m_table.SubclassDlgItem(IDC_PREV_TABLE, Window());
    m_table.SetViewProvider([this] { return TakeTableView(m_state, m_refresh); });
    m_background.Reset(CreateSolidBrush(kBackground));
}

bool PrevQsoWindow::OnControlColor(HDC dc, INT_PTR& brush) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBackground);
    brush = reinterpret_cast<INT_PTR>(m_background.Get());
    return m_background.Valid();
}

void PrevQsoWindow::Repaint() {
    if (m_table.Window() != nullptr) InvalidateRect(m_table.Window(), nullptr, FALSE);
}
