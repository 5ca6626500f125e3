// The Setup window's handling of the information windows: the four boxes,
// "Window on top", and the refresh that opens, marks and repaints them.
#include <mutex>

#include "controls/wide_text.h"
#include "resources/resource.h"
#include "windows/win32/setup_window.h"
#include "windows/win32/window_thread.h"

namespace {

const char* const kShowKeys[] = {"EA100DX", "Call_Area", "Province", "setup_view_prev_qso"};
const int kBoxIds[] = {IDC_SETUP_EADX100, IDC_SETUP_CALL_AREA, IDC_SETUP_PROVINCE,
                       IDC_SETUP_PREV_QSO};

Captions ReadCaptions(PluginState& state) {
    std::lock_guard<std::recursive_mutex> guard(state.lock);
    return Captions{state.g_contestYear, state.g_russianCaptions != 0};
}

}  // namespace

Setup::Kind Setup::KindOfBox(int id) {
    for (int kind = 0; kind < kKinds; ++kind)
        if (kBoxIds[kind] == id) return static_cast<Kind>(kind);
    return kKinds;
}

bool& Setup::ShowFlag(Kind kind) {
    switch (kind) {
        case kMultiplier:
            return m_showMultiplier;
        case kCallArea:
            return m_showCallArea;
        case kProvince:
            return m_showProvince;
        default:
            return m_showPrevQso;
    }
}

InfoWindow* Setup::WindowOf(Kind kind) const {
    switch (kind) {
        case kMultiplier:
            return m_multiplier.get();
        case kCallArea:
            return m_callArea.get();
        case kProvince:
            return m_province.get();
        default:
            return m_prevQso.get();
    }
}

bool Setup::OpenWindow(Kind kind) {
    WindowRegistry& registry = m_thread.Registry();
    switch (kind) {
        case kMultiplier:
            m_multiplier = std::make_unique<MultiplierWindow>(
                m_settings, m_onTop, registry.g_multiplierWnd, m_state, m_refresh);
            break;
        case kCallArea:
            m_callArea = MakeCallAreaWindow(m_settings, m_onTop, registry.g_callAreaWnd);
            break;
        case kProvince:
            m_province = MakeProvinceWindow(m_settings, m_onTop, registry.g_provinceWnd);
            break;
        default:
            m_prevQso = std::make_unique<PrevQsoWindow>(m_settings, m_onTop, registry.g_prevQsoWnd,
                                                        m_state, m_refresh);
            break;
    }
    if (WindowOf(kind)->Open()) return true;
    CloseWindow(kind);  // a window that could not be made is forgotten
    return false;
}

// Sends the close request, then destroys the (hidden) window for good: the
// next opening makes a new one.
void Setup::CloseWindow(Kind kind) {
    InfoWindow* window = WindowOf(kind);
    if (window != nullptr && window->Window() != nullptr)
        SendMessageA(window->Window(), WM_CLOSE, 0, 0);
    switch (kind) {
        case kMultiplier:
            m_multiplier.reset();
            break;
        case kCallArea:
            m_callArea.reset();
            break;
        case kProvince:
            m_province.reset();
            break;
        default:
            m_prevQso.reset();
            break;
    }
}

void Setup::ToggleWindow(Kind kind) {
    bool& show = ShowFlag(kind);
    if (WindowOf(kind) != nullptr) {
        CloseWindow(kind);
        show = false;
        m_settings.WriteFlag(kShowKeys[kind], false);
    } else {
        OpenWindow(kind);
        show = true;
        PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
        m_settings.WriteFlag(kShowKeys[kind], true);
        if (kind == kPrevQso && m_prevQso != nullptr)
            SetWindowTextUtf8(m_prevQso->Window(), PrevQsoOpenedTitle(ReadCaptions(m_state)));
    }
    // The box follows whether the window is open, whatever the click did.
    ExchangeCheck(Window(), kBoxIds[kind], show, Exchange::ToControls);
}

void Setup::ToggleOnTop() {
    m_onTop = !m_onTop;
    m_settings.WriteFlag("setup_window_on_top", m_onTop);
    // Reopened by the refresh, each window applies the new choice as it opens.
    for (Kind kind : {kProvince, kCallArea, kPrevQso, kMultiplier}) CloseWindow(kind);
    ExchangeBoxes(Exchange::ToControls);
    PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
}

void Setup::CloseAllInfoWindows() {
    for (Kind kind : {kCallArea, kProvince, kPrevQso, kMultiplier}) CloseWindow(kind);
}

void Setup::OpenDueWindows() {
    for (Kind kind : {kMultiplier, kCallArea, kProvince, kPrevQso}) {
        if (!ShowFlag(kind) || WindowOf(kind) != nullptr) continue;
        if (!OpenWindow(kind)) continue;
        if (kind == kPrevQso) {
            m_settings.WriteFlag("setup_view_prev_qso", true);
            SetWindowTextUtf8(m_prevQso->Window(), PrevQsoTitle(ReadCaptions(m_state)));
        }
        PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
    }
}

void Setup::Refresh() {
    // A host call lets COM deliver messages; a request arriving meanwhile is
    // covered by the pass under way, which re-arms the call check at its end.
    if (m_inRefresh || m_ended) return;
    m_inRefresh = true;
    OpenDueWindows();
    const RefreshView view = RunRefreshPass(m_state, m_refresh, m_host);
    Apply(view);
    m_inRefresh = false;
}

// The windows are looked up afresh: one may have closed during a host call.
void Setup::Apply(const RefreshView& view) {
    if (m_prevQso != nullptr && !view.prevQsoTitle.empty())
        SetWindowTextUtf8(m_prevQso->Window(), view.prevQsoTitle);
    if (view.bandKnown) {
        if (m_multiplier != nullptr && !view.multiplierTitle.empty())
            SetWindowTextUtf8(m_multiplier->Window(), view.multiplierTitle);
        struct MapUpdate {
            MapWindow* window;
            const std::string& title;
            const std::vector<std::string>& worked;
        };
        for (const MapUpdate& map :
             {MapUpdate{m_province.get(), view.provinceTitle, view.provinces},
              MapUpdate{m_callArea.get(), view.callAreaTitle, view.callAreas}}) {
            if (map.window == nullptr) continue;
            if (view.resetMaps) map.window->ResetCells();
            SetWindowTextUtf8(map.window->Window(), map.title);
            for (const std::string& code : map.worked) map.window->MarkWorked(code);
            map.window->UpdateData();
        }
        if (view.repaint && m_multiplier != nullptr) m_multiplier->Repaint();
    }
    // The table shows the rows as soon as they change, band or not.
    if ((view.repaint || view.rowsUpdated) && m_prevQso != nullptr) m_prevQso->Repaint();
}

void Setup::ResetMaps(WPARAM maps) {
    if ((maps & kProvinceMap) != 0 && m_province != nullptr) m_province->ResetCells();
    if ((maps & kCallAreaMap) != 0 && m_callArea != nullptr) m_callArea->ResetCells();
}
