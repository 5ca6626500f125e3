// The Setup window's handling of the information windows: the four boxes,
// "Window on top", and the refresh that opens, marks and repaints them.
#include "controls/wide_text.h"
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
        PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
        m_settings.WriteFlag(slot.showKey, true);
        if (slot.kind == kPrevQsoWindow && opened) {
            SetWindowTextUtf8(m_windows.Get(slot.kind)->Window(),
                              PrevQsoOpenedTitle(m_shared.TakeCaptions()));
        }
    }
    // The box follows whether the window is open, whatever the click did.
    ExchangeCheck(Window(), slot.boxId, show, Exchange::ToControls);
}

void Setup::ToggleOnTop() {
    m_onTop = !m_onTop;
    m_settings.WriteFlag("setup_window_on_top", m_onTop);
    // Reopened by the refresh, each window applies the new choice as it opens.
    m_windows.CloseAll(kOnTopCloseOrder);
    ExchangeBoxes(Exchange::ToControls);
    PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
}

void Setup::OpenDueWindows() {
    for (InfoKind kind : kOpenOrder) {
        if (!m_show[kind] || m_windows.Get(kind) != nullptr) continue;
        if (!m_windows.Open(kind, m_onTop)) continue;
        if (kind == kPrevQsoWindow) {
            m_settings.WriteFlag(kInfoSlots[kind].showKey, true);
            SetWindowTextUtf8(m_windows.Get(kind)->Window(), PrevQsoTitle(m_shared.TakeCaptions()));
        }
        PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
    }
}

void Setup::Refresh() {
    if (m_ended) return;
    // However many requests came during the pass, one more pass covers them.
    if (m_refresher.Run(m_windows, [this] { OpenDueWindows(); }))
        PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
}
