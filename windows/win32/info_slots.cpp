#include "windows/win32/info_slots.h"

#include "resources/resource.h"
#include "windows/win32/list_windows.h"
#include "windows/win32/map_window.h"

namespace {

std::unique_ptr<InfoWindow> MakeMultiplier(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<MultiplierWindow>(slot, c);
}

std::unique_ptr<InfoWindow> MakeCallArea(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<MapWindow>(
        slot, c, CallAreaCells(), MapView{&RefreshView::callAreaTitle, &RefreshView::callAreas});
}

std::unique_ptr<InfoWindow> MakeProvince(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<MapWindow>(
        slot, c, ProvinceCells(), MapView{&RefreshView::provinceTitle, &RefreshView::provinces});
}

std::unique_ptr<InfoWindow> MakePrevQso(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<PrevQsoWindow>(slot, c);
}

}  // namespace

constexpr std::array<InfoSlot, kInfoWindowKinds> kInfoSlots = {{
    {kMultiplierWindow, IDC_SETUP_EADX100, "EA100DX", IDD_MULTIPLIER,
     PositionKeys{"dxcc_x", "dxcc_y", 10, 400}, &WindowRegistry::g_multiplierWnd, 0,
     MakeMultiplier},
    {kCallAreaWindow, IDC_SETUP_CALL_AREA, "Call_Area", IDD_CALL_AREA,
     PositionKeys{"area_x", "area_y", 10, 10}, &WindowRegistry::g_callAreaWnd, kCallAreaMap,
     MakeCallArea},
    {kProvinceWindow, IDC_SETUP_PROVINCE, "Province", IDD_PROVINCE,
     PositionKeys{"ea_x", "ea_y", 10, 10}, &WindowRegistry::g_provinceWnd, kProvinceMap,
     MakeProvince},
    {kPrevQsoWindow, IDC_SETUP_PREV_QSO, "setup_view_prev_qso", IDD_PREV_QSO,
     PositionKeys{"prev_x", "prev_y", 10, 400}, &WindowRegistry::g_prevQsoWnd, 0, MakePrevQso},
}};

// A missing row (filled with zeros) or a moved one fails to compile: Open
// would make the wrong window, or call a null make.
constexpr bool EachRowHoldsItsKind() {
    for (int kind = 0; kind < kInfoWindowKinds; ++kind) {
        const InfoSlot& slot = kInfoSlots[static_cast<size_t>(kind)];
        if (slot.kind != kind || slot.make == nullptr) return false;
    }
    return true;
}
static_assert(EachRowHoldsItsKind(), "kInfoSlots: row i holds kind i and its make");

const InfoSlot* SlotOfBox(int id) {
    for (const InfoSlot& slot : kInfoSlots)
        if (slot.boxId == id) return &slot;
    return nullptr;
}
