// What the Setup window and the information windows share: a modeless
// dialog with no parent, placed from its settings keys and its place saved
// whenever the mouse is over it, topmost when asked, with the plug-in's
// icon and no Close command, and coloured with the windows' one background.
// Its registry entry is set while it exists.
#pragma once

#include <windows.h>

#include <atomic>

#include "controls/dialog.h"
#include "controls/handles.h"
#include "windows/win32/position_keeper.h"

// How a window colours its controls and itself.
enum class WindowLook {
    kSystem,                 // the system's colours
    kControlTextBackground,  // the common background, text on the controls' shade
    kWindowTextBackground,   // the common background, text on the same
};

class PluginWindow : public ModelessDialog {
  public:
    PluginWindow(int templateId, Settings& settings, PositionKeys keys,
                 std::atomic<HWND>& registryEntry, WindowLook look);

  protected:
    // The common opening, then the window's own part (OnOpen).
    bool OnInit() final;
    virtual bool OnTop() const = 0;
    // False when the window cannot show what it is for: it is destroyed
    // again, and its opening fails.
    virtual bool OnOpen() { return true; }
    void OnSetCursor() override;
    bool OnControlColor(HDC dc, INT_PTR& brush) override;
    void OnDestroyed() override;

  private:
    PositionKeeper m_position;
    std::atomic<HWND>& m_registryEntry;
    WindowLook m_look;
    Brush m_background;
};

// Asks the Setup window for one refresh of the information windows.
void PostRefreshRequest(HWND setup);
