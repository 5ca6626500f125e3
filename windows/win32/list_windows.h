// The two information windows whose whole client is one painted control:
// the Multiplier window (the band's worked multipliers) and the Prev_QSO
// window (the typed call's earlier QSOs per band).  Each control paints
// from a view taken through the shared state's door at paint time.
#pragma once

#include <utility>

#include "controls/info_button.h"
#include "controls/qso_table.h"
#include "windows/info_refresh.h"
#include "windows/win32/info_window.h"

// An information window over one painted control.
template <class Control>
class PaintedInfoWindow : public InfoWindow {
  public:
    PaintedInfoWindow(int templateId, Settings& settings, PositionKeys keys, bool onTop,
                      std::atomic<HWND>& registryEntry, SharedView& shared,
                      const RefreshState& refresh)
        : InfoWindow(templateId, settings, keys, onTop, registryEntry),
          m_shared(shared),
          m_refresh(refresh) {}

    // Repaints the control, without erasing it first, when what it shows changed.
    void Repaint() { m_control.Refresh(); }

  protected:
    void AttachControl(int itemId, typename Control::ViewProvider provider) {
        m_control.SubclassDlgItem(itemId, Window());
        m_control.SetViewProvider(std::move(provider));
    }

    Control m_control;
    SharedView& m_shared;
    const RefreshState& m_refresh;
};

class MultiplierWindow : public PaintedInfoWindow<CCqWwInfoButton> {
  public:
    using PaintedInfoWindow::PaintedInfoWindow;

  protected:
    void OnInitWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void FitList();
};

class PrevQsoWindow : public PaintedInfoWindow<CqEA> {
  public:
    using PaintedInfoWindow::PaintedInfoWindow;

  protected:
    void OnInitWindow() override;
    bool OnControlColor(HDC dc, INT_PTR& brush) override;

  private:
    Brush m_background;
};
