// The Setup window's handling of the information windows: their boxes,
// "Window on top", and the refresh that opens, marks and repaints them.
#include "windows/win32/setup_window.h"

void Setup::ToggleWindow(const InfoSlot& slot) {
    bool& show = m_show[slot.kind];
    if (m_windows.Get(slot.kind) != nullptr) {
        m_windows.Close(slot.kind);
        show = false;
        m_settings.WriteFlag(slot.showKey, false);
    } else {
        const bool opened = m_windows.Open(slot.kind, m_onTop);
        show = true;
        PostRefreshRequest(Window());
        m_settings.WriteFlag(slot.showKey, true);
        if (opened) m_windows.Get(slot.kind)->OpenedByBox();
    }
    // The box follows whether the window is open, whatever the click did.
    ExchangeCheck(Window(), slot.boxId, show, Exchange::ToControls);
}

void Setup::ToggleOnTop() {
    m_onTop = !m_onTop;
    m_settings.WriteFlag("setup_window_on_top", m_onTop);
    // Reopened by the refresh, each window applies the new choice as it opens.
    m_windows.CloseAll();
    ExchangeBoxes(Exchange::ToControls);
    PostRefreshRequest(Window());
}

void Setup::Refresh() {
    if (m_ended) return;
    // However many requests came during the pass, one more pass covers them.
    if (m_refresher.Run(m_windows, m_show, m_onTop)) PostRefreshRequest(Window());
}
