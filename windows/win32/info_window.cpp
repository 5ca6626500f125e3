#include "windows/win32/info_window.h"

#include "windows/win32/info_slots.h"

InfoWindow::InfoWindow(const InfoSlot& slot, const InfoContext& context, WindowLook look)
    : PluginWindow(slot.templateId, context.settings, slot.position, context.registry.*slot.entry,
                   look),
      m_onTop(context.onTop) {}

bool InfoWindow::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDCANCEL) ShowWindow(Window(), SW_HIDE);
    return id == IDOK || id == IDCANCEL;  // Enter never closes it
}

void InfoWindow::OnClose() { ShowWindow(Window(), SW_HIDE); }
