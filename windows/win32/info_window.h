// What the four information windows share: a modeless dialog with no
// parent, placed from its settings keys, topmost when "Window on top" is
// set, with the plug-in's icon and no Close command.  Enter does nothing;
// Escape and WM_CLOSE hide it (the Setup window still counts it as open
// until its box closes it).  Its registry entry is set while it exists.
#pragma once

#include <windows.h>

#include <atomic>

#include "controls/dialog.h"
#include "controls/handles.h"
#include "windows/win32/position_keeper.h"

class InfoWindow : public ModelessDialog {
  public:
    InfoWindow(int templateId, Settings& settings, PositionKeys keys, bool onTop,
               std::atomic<HWND>& registryEntry);

  protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroyed() override;

    // The window's own part of its opening, after the common one.
    virtual void OnInitWindow() {}
    // WM_CTLCOLOR*: colours for a control or the dialog itself; the default
    // keeps the system's.
    virtual bool OnControlColor(HDC /*dc*/, INT_PTR& /*brush*/) { return false; }

  private:
    PositionKeeper m_position;
    bool m_onTop;
    std::atomic<HWND>& m_registryEntry;
};

// The plug-in's icon (107), from our own resources; shared by every window.
HICON PluginIcon();
// Disables the Close item of the system menu, which also disables the
// caption's close box (disabled, not greyed).
void DisableCloseCommand(HWND window);
