#include "windows/win32/setup_window.h"

#include <mutex>

#include "controls/data_exchange.h"
#include "controls/resource_module.h"
#include "controls/wide_text.h"
#include "resources/resource.h"
#include "windows/win32/window_thread.h"
#include "windows/win32/setup_captions.h"

namespace {

const COLORREF kBackground = RGB(255, 250, 198);
const COLORREF kTextBackground = RGB(255, 240, 198);

bool IsOneOf(const std::string& text, std::initializer_list<const char*> list) {
    for (const char* item : list)
        if (text == item) return true;
    return false;
}

struct SharedTexts {
    Captions captions;
    std::string hostVersion;
};
SharedTexts ReadSharedTexts(PluginState& state) {
    std::lock_guard<std::recursive_mutex> guard(state.lock);
    return {Captions{state.g_contestYear, state.g_russianCaptions != 0}, state.g_hostVersion};
}

}  // namespace

Setup::Setup(WindowThread& thread)
    : Dialog(IDD_SETUP),
      m_thread(thread),
      m_state(thread.State()),
      m_settings(thread.GetSettings()),
      m_host(thread.Closing()),
      m_position(m_settings, PositionKeys{"setup_x", "setup_y", 10, 400}) {}

Setup::~Setup() {
    CloseAllInfoWindows();
    if (Window() != nullptr) DestroyWindow(Window());
}

void Setup::RunModal() {
    HWND window =
        CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(IDD_SETUP), nullptr, StaticProc,
                           reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    if (window == nullptr) return;
    ShowWindow(window, SW_SHOW);
    m_thread.SetupShown();
    MessageLoop();
    CloseAllInfoWindows();
    DestroyWindow(window);
    // The host's object and the apartment go while the host can still answer:
    // at an unload the host thread waits in DllMain in a wait that serves
    // COM.  Left to the thread's end, their release would call the host
    // while holding the loader lock, which the host then needs.
    m_host.Disconnect(true);
}

void Setup::MessageLoop() {
    MSG msg;
    while (!m_ended) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever loops after us
            return;
        }
        if (got == -1) return;
        if (IsOwnDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// One loop serves every window of the thread, so each dialog gets its
// keyboard handling (Tab, Enter, Escape).
bool Setup::IsOwnDialogMessage(MSG& msg) {
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr) return false;
    if (root == Window()) return IsDialogMessageW(root, &msg) != FALSE;
    for (int kind = 0; kind < kKinds; ++kind) {
        InfoWindow* info = WindowOf(static_cast<Kind>(kind));
        if (info != nullptr && info->Window() == root) return IsDialogMessageW(root, &msg) != FALSE;
    }
    return false;
}

bool Setup::OnInit() {
    m_thread.Registry().g_setupWnd = Window();
    m_position.Restore(Window());
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon()));
    m_background.Reset(CreateSolidBrush(kBackground));
    m_showMultiplier = m_settings.ReadFlag("EA100DX");
    m_showCallArea = m_settings.ReadFlag("Call_Area");
    m_showProvince = m_settings.ReadFlag("Province");
    m_showPrevQso = m_settings.ReadFlag("setup_view_prev_qso");
    m_oldStyle = m_settings.ReadFlag("style");
    ApplyCaptions();
    ExchangeBoxes(Exchange::ToControls);
    m_host.Connect();
    if (m_host.Connected()) {
        m_host.SendMacro("<MODE:RTTY>");
        m_host.SendMacro("<BAUDRATE:45.45>");
    }
    PostMessageA(Window(), WM_REFRESH_INFO, 0, 0);
    DisableCloseCommand(Window());
    return true;
}

void Setup::ApplyCaptions() {
    const SharedTexts texts = ReadSharedTexts(m_state);
    SetWindowTextUtf8(Window(), SetupTitle(texts.captions));
    for (const SetupControlCaption& caption : kSetupControlCaptions)
        SetWindowTextUtf8(Item(caption.id), TextOf(caption, texts.captions.russian));
    const std::string& version = texts.hostVersion;
    if (IsOneOf(version, {"2.19", "2.18", "2.17", "2.16", "2.15"}))
        EnableWindow(Item(IDC_SETUP_PREV_QSO), FALSE);
    // Disabled in the template already: "Old style" is never enabled.
    EnableWindow(Item(IDC_SETUP_OLD_STYLE), FALSE);
}

void Setup::ExchangeBoxes(Exchange direction) {
    ExchangeCheck(Window(), IDC_SETUP_EADX100, m_showMultiplier, direction);
    ExchangeCheck(Window(), IDC_SETUP_CALL_AREA, m_showCallArea, direction);
    ExchangeCheck(Window(), IDC_SETUP_PROVINCE, m_showProvince, direction);
    ExchangeCheck(Window(), IDC_SETUP_ON_TOP, m_onTop, direction);
    ExchangeCheck(Window(), IDC_SETUP_PREV_QSO, m_showPrevQso, direction);
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
    const Kind kind = KindOfBox(id);
    if (kind == kKinds) return false;
    if (code == BN_CLICKED) ToggleWindow(kind);
    return true;
}

bool Setup::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
    switch (message) {
        case WM_REFRESH_INFO:
            Refresh();
            result = 0;
            return true;
        case WM_RESET_MAPS:
            ResetMaps(wParam);
            return true;
        case WM_CLOSE_ALL:
            CloseAllInfoWindows();
            End();
            return true;
        case WM_CLOSE:
            End();
            return true;
        case WM_SETCURSOR:
            m_position.Save(Window());
            return false;  // the default handling sets the cursor
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, kTextBackground);
            result = reinterpret_cast<INT_PTR>(m_background.Get());
            return m_background.Valid();
        }
        default:
            return false;
    }
}

void Setup::OnDestroyed() {
    m_thread.Registry().g_setupWnd = nullptr;
    End();
}
