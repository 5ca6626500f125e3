#include "windows/win32/position_keeper.h"

#include <climits>

POINT PositionKeeper::Load() {
    const int x = m_settings.ReadInt(m_keys.x);
    const int y = m_settings.ReadInt(m_keys.y);
    m_written = {x != 0 ? x : m_keys.defaultX, y != 0 ? y : m_keys.defaultY};
    return m_written;
}

void PositionKeeper::Restore(HWND window) {
    m_placed = Reachable(window, Load());
    SetWindowPos(window, nullptr, m_placed.x, m_placed.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

struct WorkAreaSearch {
    RECT area;
    bool found;
};

BOOL CALLBACK MeetsWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* search = reinterpret_cast<WorkAreaSearch*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT common;
    if (GetMonitorInfoA(monitor, &info) && IntersectRect(&common, &search->area, &info.rcWork))
        search->found = true;
    return search->found ? FALSE : TRUE;  // FALSE ends the enumeration
}

// Whether `area` meets the work area (the screen less the task bar) of
// any monitor.
bool OnSomeWorkArea(const RECT& area) {
    WorkAreaSearch search = {area, false};
    EnumDisplayMonitors(nullptr, nullptr, MeetsWorkArea, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

// The title bar at `at`: the window's width, the caption's height.  The
// sums are made in 64 bits, as a corrupt key may hold any int.
POINT PositionKeeper::Reachable(HWND window, POINT at) const {
    RECT now;
    if (!GetWindowRect(window, &now)) return at;
    const long long right = static_cast<long long>(at.x) + (now.right - now.left);
    const long long bottom = static_cast<long long>(at.y) + GetSystemMetrics(SM_CYCAPTION);
    if (right <= INT_MAX && bottom <= INT_MAX &&
        OnSomeWorkArea(RECT{at.x, at.y, static_cast<LONG>(right), static_cast<LONG>(bottom)}))
        return at;
    return POINT{m_keys.defaultX, m_keys.defaultY};
}

void PositionKeeper::Save(HWND window) {
    RECT place;
    if (window == nullptr || !GetWindowRect(window, &place)) return;
    // A window put at its default stays unsaved until moved; then both of
    // its coordinates count, the unmoved one too, or a key passed over
    // would bring the default back next time.
    if (place.left == m_placed.x && place.top == m_placed.y) return;
    m_placed = {place.left, place.top};
    if (place.left != m_written.x) {
        m_written.x = place.left;
        m_settings.WriteInt(m_keys.x, place.left);
    }
    if (place.top != m_written.y) {
        m_written.y = place.top;
        m_settings.WriteInt(m_keys.y, place.top);
    }
}
