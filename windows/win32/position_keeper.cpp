#include "windows/win32/position_keeper.h"

POINT PositionKeeper::Load() {
    const int x = m_settings.ReadInt(m_keys.x);
    const int y = m_settings.ReadInt(m_keys.y);
    m_written = {x != 0 ? x : m_keys.defaultX, y != 0 ? y : m_keys.defaultY};
    return m_written;
}

void PositionKeeper::Restore(HWND window) {
    const POINT at = Load();
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PositionKeeper::Save(HWND window) {
    RECT place;
    if (window == nullptr || !GetWindowRect(window, &place)) return;
    if (place.left != m_written.x) {
        m_written.x = place.left;
        m_settings.WriteInt(m_keys.x, place.left);
    }
    if (place.top != m_written.y) {
        m_written.y = place.top;
        m_settings.WriteInt(m_keys.y, place.top);
    }
}
