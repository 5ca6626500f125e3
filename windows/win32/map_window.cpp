#include "windows/win32/map_window.h"

#include "controls/control_colors.h"
#include "controls/data_exchange.h"
#include "controls/palette.h"
#include "resources/resource.h"

namespace {

const COLORREF kFace = RGB(0, 255, 0);
const COLORREF kCaption = RGB(1, 1, 1);
const COLORREF kDisabledCaption = RGB(128, 128, 128);
const COLORREF kWorkedFace = RGB(255, 0, 255);
const COLORREF kWorkedCaption = RGB(255, 255, 0);
constexpr int kEllipse = 1;

}  // namespace

std::vector<MapCell> ProvinceCells() {
    static const char* const kCodes[] = {
        "A",  "AB", "AL", "AV", "B",  "BA", "BI", "BU", "C",  "CA", "CC", "CE", "CO",
        "CR", "CS", "CU", "GC", "GI", "GR", "GU", "H",  "HU", "IB", "J",  "L",  "LE",
        "LO", "LU", "M",  "MA", "ML", "MU", "NA", "O",  "OU", "P",  "PO", "S",  "SA",
        "SE", "SG", "SS", "SO", "T",  "TE", "TO", "TF", "V",  "VA", "VI", "Z",  "ZA"};
    std::vector<MapCell> cells;
    int id = IDC_PROVINCE_FIRST;
    for (const char* code : kCodes) {
        if (id == IDC_PROVINCE_GAP) ++id;
        cells.push_back({id++, code});
    }
    cells.push_back({IDC_PROVINCE_HQ, "HQ"});  // the cell captioned "EA4URE"
    return cells;
}

std::vector<MapCell> CallAreaCells() {
    // Identifiers run group by group in caption order "1" .. "9", "0".
    static const struct {
        int firstId;
        const char* prefix;
    } kGroups[] = {{IDC_AREA_K_FIRST, "K"},
                   {IDC_AREA_VE_FIRST, "VE"},
                   {IDC_AREA_JA_FIRST, "JA"},
                   {IDC_AREA_VK_FIRST, "VK"}};
    std::vector<MapCell> cells;
    for (const auto& group : kGroups) {
        for (int i = 0; i < 10; ++i)
            cells.push_back({group.firstId + i, group.prefix + std::to_string((i + 1) % 10)});
    }
    return cells;
}

MapWindow::MapWindow(int templateId, Settings& settings, PositionKeys keys, bool onTop,
                     std::atomic<HWND>& registryEntry, std::vector<MapCell> cells)
    : InfoWindow(templateId, settings, keys, onTop, registryEntry),
      m_cellSpecs(std::move(cells)),
      m_worked(m_cellSpecs.size(), 0) {
    for (size_t i = 0; i < m_cellSpecs.size(); ++i) {
        m_cells.push_back(std::make_unique<CAdvancedButton>());
        m_cellOfCode.emplace(m_cellSpecs[i].code, i);  // the first cell of a code wins
    }
}

void MapWindow::OnInitWindow() {
    for (size_t i = 0; i < m_cells.size(); ++i) {
        CAdvancedButton& cell = *m_cells[i];
        if (!cell.AttachToDlgItem(static_cast<unsigned>(m_cellSpecs[i].id), Window(), kFace,
                                  kCaption, kDisabledCaption))
            continue;
        cell.m_shape = kEllipse;
        cell.Redraw();
    }
    m_background.Reset(CreateSolidBrush(kWindowBackground));
}

bool MapWindow::OnControlColor(HDC dc, INT_PTR& brush) {
    return ColorControl(dc, kControlTextBackground, m_background, brush);
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
