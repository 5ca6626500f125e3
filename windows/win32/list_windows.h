// The two information windows whose whole client is one owner-drawn
// control: the Multiplier window (the band's worked multipliers) and the
// Prev_QSO window (the typed call's earlier QSOs per band).  Each control
// paints from a view of the shared state taken under its lock at paint time.
#pragma once

#include "controls/info_button.h"
#include "controls/qso_table.h"
#include "windows/info_refresh.h"
#include "windows/win32/info_window.h"

class MultiplierWindow : public InfoWindow {
  public:
    MultiplierWindow(Settings& settings, bool onTop, std::atomic<HWND>& registryEntry,
                     PluginState& state, const RefreshState& refresh);
    ~MultiplierWindow() override;
    // Repaints the list without erasing it first.
    void Repaint();

  protected:
    void OnInitWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void FitList();
    CCqWwInfoButton m_list;
    PluginState& m_state;
    const RefreshState& m_refresh;
};

class PrevQsoWindow : public InfoWindow {
  public:
    PrevQsoWindow(Settings& settings, bool onTop, std::atomic<HWND>& registryEntry,
                  PluginState& state, const RefreshState& refresh);
    ~PrevQsoWindow() override;
    void Repaint();

  protected:
    void OnInitWindow() override;
    bool OnControlColor(HDC dc, INT_PTR& brush) override;

  private:
    CqEA m_table;
    Brush m_background;
    PluginState& m_state;
    const RefreshState& m_refresh;
};
