#include "windows/win32/map_window.h"

#include <iterator>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"
#include "controls/data_exchange.h"
#include "controls/wide_text.h"
#include "resources/resource.h"

namespace {

const COLORREF kFace = RGB(0, 255, 0);
const COLORREF kCaption = RGB(1, 1, 1);
const COLORREF kDisabledCaption = RGB(128, 128, 128);
const COLORREF kWorkedFace = RGB(255, 0, 255);
const COLORREF kWorkedCaption = RGB(255, 255, 0);

}  // namespace

// The provinces' ids run from the first to the last, one left out.
static_assert(IDC_PROVINCE_LAST == IDC_PROVINCE_FIRST + static_cast<int>(std::size(kProvinceCodes)),
              "the province map's ids hold one cell for each province code");

std::vector<MapCell> ProvinceCells() {
    std::vector<MapCell> cells;
    int id = IDC_PROVINCE_FIRST;
    for (const char* code : kProvinceCodes) {
        if (id == IDC_PROVINCE_GAP) ++id;
        cells.push_back({id++, code});
    }
    cells.push_back({IDC_PROVINCE_HQ, kHqExchange});  // the cell captioned "EA4URE"
    return cells;
}

// Identifiers run group by group, ten to a group, in caption order
// "1" .. "9", "0".
constexpr int kAreaCellsPerGroup = 10;
static_assert(IDC_AREA_LAST == IDC_AREA_FIRST + kAreaCellsPerGroup * kCallAreaKinds - 1,
              "the call-area map's ids end with the last country's ten cells");

std::vector<MapCell> CallAreaCells() {
    std::vector<MapCell> cells;
    for (int group = 0; group < kCallAreaKinds; ++group) {
        const std::string prefix = CallAreaKindOfMapGroup(group).country;
        for (int i = 0; i < kAreaCellsPerGroup; ++i)
            cells.push_back({IDC_AREA_FIRST + kAreaCellsPerGroup * group + i,
                             prefix + std::to_string((i + 1) % 10)});
    }
    return cells;
}

MapWindow::MapWindow(const InfoSlot& slot, const InfoContext& context, const MapSlot& map)
    : InfoWindow(slot, context, WindowLook::kControlTextBackground),
      m_cellSpecs(map.cells()),
      m_worked(m_cellSpecs.size(), 0),
      m_view(map.view) {
    for (size_t i = 0; i < m_cellSpecs.size(); ++i) {
        m_cells.push_back(std::make_unique<CAdvancedButton>());
        m_cellOfCode.emplace(m_cellSpecs[i].code, i);  // the first cell of a code wins
    }
}

// A code without its cell would score and never light, so the map does
// not open without each of them; the debugger's output names the code.
bool MapWindow::OnOpen() {
    for (size_t i = 0; i < m_cells.size(); ++i) {
        CAdvancedButton& cell = *m_cells[i];
        if (!cell.AttachToDlgItem(static_cast<unsigned>(m_cellSpecs[i].id), Window(), kFace,
                                  kCaption, kDisabledCaption)) {
            OutputDebugStringA(("Stats: the map has no cell for " + m_cellSpecs[i].code).c_str());
            return false;
        }
        cell.m_shape = CAdvancedButton::kEllipse;
        cell.Redraw();
    }
    return true;
}

void MapWindow::Show(const RefreshView& view) {
    if (!view.bandKnown) return;
    UpdateWindowTextUtf8(Window(), view.*m_view.title);
    ShowWorked(view.*m_view.worked, view.resetMaps);
}

void MapWindow::ResetCells() {
    for (size_t i = 0; i < m_cells.size(); ++i) ShowCell(i, false);
}

void MapWindow::ShowWorked(const std::vector<std::string>& codes, bool fromScratch) {
    std::vector<char> worked = fromScratch ? std::vector<char>(m_worked.size(), 0) : m_worked;
    for (const std::string& code : codes) {
        const auto found = m_cellOfCode.find(code);
        if (found != m_cellOfCode.end()) worked[found->second] = 1;
    }
    for (size_t i = 0; i < worked.size(); ++i) ShowCell(i, worked[i] != 0);
}

// Colours and check state change together, and only for a cell that changes.
void MapWindow::ShowCell(size_t cell, bool worked) {
    if ((m_worked[cell] != 0) == worked) return;
    m_worked[cell] = worked ? 1 : 0;
    if (m_cells[cell]->Window() == nullptr) return;
    if (worked)
        m_cells[cell]->SetColors(kWorkedFace, kWorkedCaption);
    else
        m_cells[cell]->SetColors(kFace, kCaption);
    ExchangeCheck(Window(), m_cellSpecs[cell].id, worked, Exchange::ToControls);
}
