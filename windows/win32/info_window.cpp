#include "windows/win32/info_window.h"

InfoWindow::InfoWindow(int templateId, Settings& settings, PositionKeys keys, bool onTop,
                       std::atomic<HWND>& registryEntry, WindowLook look)
    : PluginWindow(templateId, settings, keys, registryEntry, look), m_onTop(onTop) {}

bool InfoWindow::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDCANCEL) ShowWindow(Window(), SW_HIDE);
    return id == IDOK || id == IDCANCEL;  // Enter never closes it
}

void InfoWindow::OnClose() { ShowWindow(Window(), SW_HIDE); }
