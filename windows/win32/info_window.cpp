#include "windows/win32/info_window.h"

#include "controls/control_colors.h"
#include "controls/resource_module.h"
#include "resources/resource.h"

HICON PluginIcon() {
    // A shared icon: loaded once by the system, never destroyed by us.  Kept
    // from the first call: loading it again takes the loader lock (the
    // system looks up the module's name), which an unloading host holds
    // while it waits for a window still being made.
    static const HICON icon =
        static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_STATS), IMAGE_ICON, 0,
                                      0, LR_DEFAULTSIZE | LR_SHARED));
    return icon;
}

void DisableCloseCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu != nullptr) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
}

InfoWindow::InfoWindow(int templateId, Settings& settings, PositionKeys keys, bool onTop,
                       std::atomic<HWND>& registryEntry)
    : ModelessDialog(templateId),
      m_position(settings, keys),
      m_onTop(onTop),
      m_registryEntry(registryEntry) {}

bool InfoWindow::OnInit() {
    m_registryEntry = Window();
    m_position.Restore(Window());
    if (m_onTop)
        SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon()));
    DisableCloseCommand(Window());
    OnInitWindow();
    return true;
}

bool InfoWindow::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDCANCEL) ShowWindow(Window(), SW_HIDE);
    return id == IDOK || id == IDCANCEL;  // Enter never closes it
}

bool InfoWindow::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
    switch (message) {
        case WM_CLOSE:
            ShowWindow(Window(), SW_HIDE);
            result = 0;
            return true;
        case WM_SETCURSOR:
            m_position.Save(Window());
            return false;  // the default handling sets the cursor
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return OnControlColor(CrackControlColor(wParam), result);
        default:
            return false;
    }
}

void InfoWindow::OnDestroyed() { m_registryEntry = nullptr; }
