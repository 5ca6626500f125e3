#include "windows/win32/plugin_window.h"

#include "controls/control_colors.h"
#include "controls/palette.h"
#include "controls/resource_module.h"
#include "resources/resource.h"
#include "windows/win32/window_registry.h"

namespace {

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

// Disables the Close item of the system menu, which also disables the
// caption's close box (disabled, not greyed).
void DisableCloseCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu != nullptr) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
}

}  // namespace

PluginWindow::PluginWindow(int templateId, Settings& settings, PositionKeys keys,
                           std::atomic<HWND>& registryEntry, WindowLook look)
    : ModelessDialog(templateId),
      m_position(settings, keys),
      m_registryEntry(registryEntry),
      m_look(look) {}

bool PluginWindow::OnInit() {
    m_registryEntry = Window();
    m_position.Restore(Window());
    if (OnTop())
        SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon()));
    DisableCloseCommand(Window());
    if (m_look != WindowLook::kSystem) m_background.Reset(CreateSolidBrush(kWindowBackground));
    if (OnOpen()) return true;
    DestroyWindow(Window());
    return false;  // no focus for a window that is gone
}

void PluginWindow::OnSetCursor() { m_position.Save(Window()); }

bool PluginWindow::OnControlColor(HDC dc, INT_PTR& brush) {
    switch (m_look) {
        case WindowLook::kControlTextBackground:
            return ColorControl(dc, kControlTextBackground, m_background, brush);
        case WindowLook::kWindowTextBackground:
            return ColorControl(dc, kWindowBackground, m_background, brush);
        default:
            return false;
    }
}

void PluginWindow::OnDestroyed() { m_registryEntry = nullptr; }

void PostRefreshRequest(HWND setup) { PostMessageA(setup, WM_REFRESH_INFO, 0, 0); }
