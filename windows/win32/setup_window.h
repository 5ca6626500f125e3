// The Setup window: the plug-in's main window, run by the window thread
// for as long as the thread lives.  Its boxes open and close the four
// information windows and keep them on top; it holds the connection to the
// host's automation object and runs the refresh when WM_REFRESH_INFO comes.
#pragma once

#include <memory>

#include "controls/com.h"
#include "controls/data_exchange.h"
#include "controls/dialog.h"
#include "controls/handles.h"
#include "windows/win32/host_automation.h"
#include "windows/info_refresh.h"
#include "windows/win32/list_windows.h"
#include "windows/win32/map_window.h"
#include "windows/win32/position_keeper.h"

class WindowThread;

class Setup : public Dialog {
  public:
    explicit Setup(WindowThread& thread);
    ~Setup() override;

    // Creates the window and serves it and the information windows until it
    // ends (Escape, or WM_CLOSE_ALL from the host thread); then closes them all.
    void RunModal();

  protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroyed() override;

  private:
    enum Kind { kMultiplier, kCallArea, kProvince, kPrevQso, kKinds };

    void ApplyCaptions();
    void MessageLoop();
    bool IsOwnDialogMessage(MSG& msg);
    void End() { m_ended = true; }
    void ExchangeBoxes(Exchange direction);

    static Kind KindOfBox(int id);  // kKinds for no information window's box
    bool& ShowFlag(Kind kind);
    InfoWindow* WindowOf(Kind kind) const;
    bool OpenWindow(Kind kind);
    void CloseWindow(Kind kind);
    void ToggleWindow(Kind kind);
    void ToggleOnTop();
    void CloseAllInfoWindows();

    void Refresh();
    void OpenDueWindows();
    void Apply(const RefreshView& view);
    void ResetMaps(WPARAM maps);

    WindowThread& m_thread;
    PluginState& m_state;
    Settings& m_settings;
    ComApartment m_com;  // before m_host: the host's object goes first
    HostAutomation m_host;
    RefreshState m_refresh;
    PositionKeeper m_position;
    Brush m_background;
    bool m_showMultiplier = false;
    bool m_showCallArea = false;
    bool m_showProvince = false;
    bool m_onTop = false;  // windowOnTop: a new Setup window starts with it clear
    bool m_showPrevQso = false;
    bool m_oldStyle = false;
    std::unique_ptr<MultiplierWindow> m_multiplier;
    std::unique_ptr<MapWindow> m_callArea;
    std::unique_ptr<MapWindow> m_province;
    std::unique_ptr<PrevQsoWindow> m_prevQso;
    bool m_ended = false;
    bool m_inRefresh = false;
};
