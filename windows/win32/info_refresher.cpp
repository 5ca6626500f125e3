#include "windows/win32/info_refresher.h"

bool InfoRefresher::Run(InfoWindowSet& windows, const InfoFlags& due, bool onTop) {
    if (m_running) {
        m_again = true;
        return false;
    }
    m_running = true;
    m_again = false;
    windows.OpenDue(due, onTop);
    const RefreshView view = RunRefreshPass(m_shared, m_state, m_host);
    Apply(view, windows);
    m_running = false;
    return m_again;
}

// The windows are looked up afresh: one may have closed during a host call.
void InfoRefresher::Apply(const RefreshView& view, InfoWindowSet& windows) {
    windows.ForEachOpen([&](const InfoSlot&, InfoWindow& window) { window.Show(view); });
}

void InfoRefresher::ResetMaps(InfoWindowSet& windows, StationKinds removed) {
    windows.ForEachOpen([&](const InfoSlot& slot, InfoWindow& window) {
        if (ResetBy(slot, removed)) window.ResetCells();
    });
}
