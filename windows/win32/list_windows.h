// The two information windows whose whole client is one painted control:
// the Multiplier window (the band's worked multipliers) and the Prev_QSO
// window (the typed call's earlier QSOs per band).  Each control paints
// from a view taken through the shared state's door at paint time.
#pragma once

#include <utility>

#include "controls/info_button.h"
#include "controls/qso_table.h"
#include "windows/info_refresh.h"
#include "windows/win32/info_slots.h"
#include "windows/win32/info_window.h"

// An information window over one painted control.
template <class Control>
class PaintedInfoWindow : public InfoWindow {
  public:
    PaintedInfoWindow(const InfoSlot& slot, const InfoContext& context, WindowLook look)
        : InfoWindow(slot, context, look), m_shared(context.shared), m_refresh(context.refresh) {}

  protected:
    // Repaints the control, without erasing it first, when what it shows changed.
    void Repaint() { m_control.Refresh(); }
    void AttachControl(int itemId, typename Control::ViewProvider provider) {
        m_control.SubclassDlgItem(itemId, Window());
        m_control.SetViewProvider(std::move(provider));
    }

    Control m_control;
    SharedView& m_shared;
    const RefreshState& m_refresh;
};

// The system's colours; the list fills the client area less its margins.
class MultiplierWindow : public PaintedInfoWindow<CCqWwInfoButton> {
  public:
    MultiplierWindow(const InfoSlot& slot, const InfoContext& context);
    // Title and list follow the band of the dial; the title only while no
    // call is typed.
    void Show(const RefreshView& view) override;

  protected:
    bool OnOpen() override;
    void OnSize() override;

  private:
    void FitList();
};

// Titled as it opens; it follows the typed call whether the band is known
// or not.
class PrevQsoWindow : public PaintedInfoWindow<CqEA> {
  public:
    PrevQsoWindow(const InfoSlot& slot, const InfoContext& context);
    void Show(const RefreshView& view) override;
    void OpenedByBox() override;
    // Its box's key is written again as it opens at a refresh.
    void OpenedAsDue() override;

  protected:
    bool OnOpen() override;

  private:
    Settings& m_settings;
    const char* m_showKey;  // its box's key
};
