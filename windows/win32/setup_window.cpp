#include "windows/win32/setup_window.h"

#include "contest/host_versions.h"
#include "controls/wide_text.h"
#include "resources/resource.h"
#include "windows/win32/setup_captions.h"

Setup::Setup(WindowRegistry& registry, SharedView& shared, RefreshState& refresh,
             Settings& settings, HostLink& host)
    : PluginWindow(IDD_SETUP, settings, PositionKeys{"setup_x", "setup_y", 10, 400},
                   registry.g_setupWnd, WindowLook::kControlTextBackground),
      m_shared(shared),
      m_settings(settings),
      m_host(host),
      m_refresher(shared, refresh, host),
      m_windows(InfoContext{settings, false, registry, shared, refresh}) {}

void Setup::Close() {
    m_windows.CloseAll();
    Destroy();
}

bool Setup::IsOwnDialogMessage(MSG& msg) {
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || (root != Window() && !m_windows.Owns(root))) return false;
    return IsDialogMessageW(root, &msg) != FALSE;
}

bool Setup::OnOpen() {
    for (const InfoSlot& slot : kInfoSlots) m_show[slot.kind] = m_settings.ReadFlag(slot.showKey);
    m_oldStyle = m_settings.ReadFlag("style");
    ApplyCaptions();
    ExchangeBoxes(Exchange::ToControls);
    GreetHost();
    PostRefreshRequest(Window());
    return true;
}

void Setup::ApplyCaptions() {
    const Captions captions = m_shared.TakeCaptions();
    SetWindowTextUtf8(Window(), SetupTitle(captions));
    for (const SetupControlCaption& caption : kSetupControlCaptions)
        SetWindowTextUtf8(Item(caption.id), TextOf(caption, captions.russian));
    if (TraitsOfHost(m_shared.TakeHostVersion()).noPrevQsoBox)
        EnableWindow(Item(IDC_SETUP_PREV_QSO), FALSE);
    // Disabled in the template already: "Old style" is never enabled.
    EnableWindow(Item(IDC_SETUP_OLD_STYLE), FALSE);
}

// The host is put in the contest's mode as the window opens.
void Setup::GreetHost() {
    if (!m_host.Connected()) return;
    m_host.SendMacro("<MODE:RTTY>");
    m_host.SendMacro("<BAUDRATE:45.45>");
}

void Setup::ExchangeBoxes(Exchange direction) {
    for (const InfoSlot& slot : kInfoSlots)
        ExchangeCheck(Window(), slot.boxId, m_show[slot.kind], direction);
    ExchangeCheck(Window(), IDC_SETUP_ON_TOP, m_onTop, direction);
    ExchangeCheck(Window(), IDC_SETUP_OLD_STYLE, m_oldStyle, direction);
}

bool Setup::OnCommand(int id, int code, HWND /*control*/) {
    switch (id) {
        case IDOK:
            return true;  // Enter does nothing
        case IDCANCEL:
            End();
            return true;
        case IDC_SETUP_ON_TOP:
            if (code == BN_CLICKED) ToggleOnTop();
            return true;
        default:
            break;
    }
    const InfoSlot* slot = SlotOfBox(id);
    if (slot == nullptr) return false;
    if (code == BN_CLICKED) ToggleWindow(*slot);
    return true;
}

bool Setup::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
    switch (message) {
        case WM_REFRESH_INFO:
            Refresh();
            result = 0;
            return true;
        case WM_RESET_MAPS:
            InfoRefresher::ResetMaps(m_windows, static_cast<StationKinds>(wParam));
            return true;
        case WM_CLOSE_ALL:
            m_windows.CloseAll();
            End();
            return true;
        default:
            return false;
    }
}

void Setup::OnDestroyed() {
    PluginWindow::OnDestroyed();  // the registry entry
    End();
}
