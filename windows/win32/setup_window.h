// The Setup window: the plug-in's main window, a modeless dialog that the
// window thread serves for as long as the thread lives.  Its boxes open and
// close the information windows and keep them on top; WM_REFRESH_INFO
// runs the refresh.
#pragma once

#include <array>

#include "controls/data_exchange.h"
#include "windows/win32/info_refresher.h"
#include "windows/win32/info_window_set.h"
#include "windows/win32/plugin_window.h"
#include "windows/win32/window_registry.h"

// Always on top of other programs' windows.
class Setup : public PluginWindow {
  public:
    // `host`: the running host, connected (or not) before the window opens.
    Setup(WindowRegistry& registry, SharedView& shared, RefreshState& refresh, Settings& settings,
          HostLink& host);
    ~Setup() override { Close(); }  // a no-op once the thread has closed it

    // Closes the information windows and the Setup window.
    void Close();
    // Escape, WM_CLOSE_ALL or the window's end: the loop stops.
    bool Ended() const { return m_ended; }
    // The dialog keyboard handling (Tab, Enter, Escape) for a message to
    // any window of the Setup window's; false when it is not one of ours.
    bool IsOwnDialogMessage(MSG& msg);

  protected:
    bool OnTop() const override { return true; }
    bool OnOpen() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { End(); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroyed() override;

  private:
    void ApplyCaptions();
    void GreetHost();
    void End() { m_ended = true; }
    void ExchangeBoxes(Exchange direction);
    void ToggleWindow(const InfoSlot& slot);
    void ToggleOnTop();
    void Refresh();

    SharedView& m_shared;
    Settings& m_settings;
    HostLink& m_host;
    InfoRefresher m_refresher;
    InfoFlags m_show = {};  // the boxes' flags, by kind
    bool m_onTop = false;   // windowOnTop: a new Setup window starts with it clear
    bool m_oldStyle = false;
    InfoWindowSet m_windows;
    bool m_ended = false;
};
