#include "windows/win32/info_refresher.h"

#include "controls/wide_text.h"
#include "windows/win32/list_windows.h"
#include "windows/win32/map_window.h"

bool InfoRefresher::Run(InfoWindowSet& windows, const std::function<void()>& openDue) {
    if (m_running) {
        m_again = true;
        return false;
    }
    m_running = true;
    m_again = false;
    openDue();
    const RefreshView view = RunRefreshPass(m_shared, m_state, m_host);
    Apply(view, windows);
    m_running = false;
    return m_again;
}

// The windows are looked up afresh: one may have closed during a host call.
// Only what changed is set or repainted: a title set again, a cell or a
// list painted again with the same look, costs time and shows nothing.
void InfoRefresher::Apply(const RefreshView& view, InfoWindowSet& windows) {
    auto* prevQso = windows.As<PrevQsoWindow>(kPrevQsoWindow);
    auto* multiplier = windows.As<MultiplierWindow>(kMultiplierWindow);
    if (prevQso != nullptr && !view.prevQsoTitle.empty())
        UpdateWindowTextUtf8(prevQso->Window(), view.prevQsoTitle);
    if (view.bandKnown) {
        if (multiplier != nullptr && !view.multiplierTitle.empty())
            UpdateWindowTextUtf8(multiplier->Window(), view.multiplierTitle);
        struct MapUpdate {
            MapWindow* window;
            const std::string& title;
            const std::vector<std::string>& worked;
        };
        for (const MapUpdate& map :
             {MapUpdate{windows.As<MapWindow>(kProvinceWindow), view.provinceTitle, view.provinces},
              MapUpdate{windows.As<MapWindow>(kCallAreaWindow), view.callAreaTitle,
                        view.callAreas}}) {
            if (map.window == nullptr) continue;
            UpdateWindowTextUtf8(map.window->Window(), map.title);
            map.window->ShowWorked(map.worked, view.resetMaps);
        }
        if (multiplier != nullptr) multiplier->Repaint();
    }
    // The table shows the rows as soon as they change, band or not.
    if (view.rowsUpdated && prevQso != nullptr) prevQso->Repaint();
}

void InfoRefresher::ResetMaps(InfoWindowSet& windows, WPARAM maps) {
    auto* province = windows.As<MapWindow>(kProvinceWindow);
    auto* callArea = windows.As<MapWindow>(kCallAreaWindow);
    if ((maps & kProvinceMap) != 0 && province != nullptr) province->ResetCells();
    if ((maps & kCallAreaMap) != 0 && callArea != nullptr) callArea->ResetCells();
}
