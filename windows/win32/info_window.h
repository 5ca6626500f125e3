// What the information windows share beyond the plug-in's frame:
// topmost when "Window on top" is set; Enter does nothing; Escape and
// WM_CLOSE hide it (the Setup window still counts it as open until its box
// closes it).  Each window does its own part of a refresh and a map reset.
#pragma once

#include "windows/info_refresh.h"
#include "windows/win32/plugin_window.h"

struct InfoSlot;
struct InfoContext;

class InfoWindow : public PluginWindow {
  public:
    // Made from its slot: template, place keys and registry entry; on top as
    // `context` says.
    InfoWindow(const InfoSlot& slot, const InfoContext& context, WindowLook look);

    // Shows what one refresh pass found; only what changed is set or
    // repainted, as a title set again or a cell painted again with the same
    // look costs time and shows nothing.
    virtual void Show(const RefreshView& /*view*/) {}
    // A map's cells back to unworked, as after a removal; others keep theirs.
    virtual void ResetCells() {}
    // Just opened: by its box in the Setup window, or at a refresh because
    // its box was set.
    virtual void OpenedByBox() {}
    virtual void OpenedAsDue() {}

  protected:
    bool OnTop() const override { return m_onTop; }
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;

  private:
    bool m_onTop;
};
