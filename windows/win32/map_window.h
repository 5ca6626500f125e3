// The twin map windows (provinces, call areas): one coloured cell per
// multiplier, green until ShowWorked turns it magenta.  The windows only
// store and paint; the refresh tells them what is worked.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "contest/station_kinds.h"
#include "controls/advanced_button.h"
#include "windows/win32/info_window.h"

struct MapCell {
    int id;
    std::string code;  // what ShowWorked matches, byte for byte
};

// Which part of a refresh pass's view a map shows: its title and the codes
// worked on the band.
struct MapView {
    std::string RefreshView::*title;
    std::vector<std::string> RefreshView::*worked;
};

// A map window's part of its slot: its cells, what it shows of a pass, and
// the kinds of station whose removal resets it.
struct MapSlot {
    std::vector<MapCell> (*cells)();
    MapView view;
    StationKinds resetBy;
};

class MapWindow : public InfoWindow {
  public:
    MapWindow(const InfoSlot& slot, const InfoContext& context, const MapSlot& map);

    // Title and cells follow the band of the dial.
    void Show(const RefreshView& view) override;
    // Every cell back to not worked.
    void ResetCells() override;
    // The cells of `codes` worked, the others as they were, or not worked
    // when `fromScratch`; each cell that changes is repainted once.
    void ShowWorked(const std::vector<std::string>& codes, bool fromScratch);

  protected:
    bool OnOpen() override;

  private:
    // Colours and check state of one cell; nothing when it shows `worked`.
    void ShowCell(size_t cell, bool worked);

    std::vector<MapCell> m_cellSpecs;
    std::vector<std::unique_ptr<CAdvancedButton>> m_cells;
    std::vector<char> m_worked;
    std::unordered_map<std::string, size_t> m_cellOfCode;
    MapView m_view;
};

// The provinces and the HQ station, and the call areas of the call-area countries.
std::vector<MapCell> ProvinceCells();
std::vector<MapCell> CallAreaCells();
