#include "windows/win32/list_windows.h"

#include "controls/wide_text.h"
#include "resources/resource.h"

MultiplierWindow::MultiplierWindow(const InfoSlot& slot, const InfoContext& context)
    : PaintedInfoWindow(slot, context, WindowLook::kSystem) {}

bool MultiplierWindow::OnOpen() {
    AttachControl(IDC_MULT_LIST, [this] { return TakeMultiplierView(m_shared, m_refresh); });
    return true;
}

void MultiplierWindow::Show(const RefreshView& view) {
    if (!view.bandKnown) return;
    if (!view.multiplierTitle.empty()) UpdateWindowTextUtf8(Window(), view.multiplierTitle);
    Repaint();
}

void MultiplierWindow::OnSize() { FitList(); }

// A 1-pixel margin left and top, 3 pixels right and bottom.
void MultiplierWindow::FitList() {
    RECT client;
    if (m_control.Window() == nullptr || !GetClientRect(Window(), &client)) return;
    MoveWindow(m_control.Window(), client.left + 1, client.top + 1, client.right - 4,
               client.bottom - 4, TRUE);
}

PrevQsoWindow::PrevQsoWindow(const InfoSlot& slot, const InfoContext& context)
    : PaintedInfoWindow(slot, context, WindowLook::kWindowTextBackground),
      m_settings(context.settings),
      m_showKey(slot.showKey) {}

bool PrevQsoWindow::OnOpen() {
    AttachControl(IDC_PREV_TABLE, [this] { return TakeTableView(m_shared, m_refresh); });
    return true;
}

void PrevQsoWindow::Show(const RefreshView& view) {
    if (!view.prevQsoTitle.empty()) UpdateWindowTextUtf8(Window(), view.prevQsoTitle);
    // The table shows the rows as soon as they change, band or not.
    if (view.rowsUpdated) Repaint();
}

void PrevQsoWindow::OpenedByBox() {
    SetWindowTextUtf8(Window(), PrevQsoOpenedTitle(m_shared.TakeCaptions()));
}

void PrevQsoWindow::OpenedAsDue() {
    m_settings.WriteFlag(m_showKey, true);
    SetWindowTextUtf8(Window(), PrevQsoTitle(m_shared.TakeCaptions()));
}
