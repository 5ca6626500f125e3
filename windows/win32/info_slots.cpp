#include "windows/win32/info_slots.h"

#include "resources/resource.h"
#include "windows/win32/list_windows.h"
#include "windows/win32/map_window.h"

namespace {

std::unique_ptr<InfoWindow> MakeMultiplier(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<MultiplierWindow>(slot, c);
}

// The map's own part comes from its row.
std::unique_ptr<InfoWindow> MakeMap(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<MapWindow>(slot, c, *slot.map);
}

std::unique_ptr<InfoWindow> MakePrevQso(const InfoSlot& slot, const InfoContext& c) {
    return std::make_unique<PrevQsoWindow>(slot, c);
}

constexpr MapSlot kCallAreaMap{
    CallAreaCells, MapView{&RefreshView::callAreaTitle, &RefreshView::callAreas}, kCallAreaStation};
constexpr MapSlot kProvinceMap{
    ProvinceCells, MapView{&RefreshView::provinceTitle, &RefreshView::provinces}, kSpanishStation};

}  // namespace

constexpr std::array<InfoSlot, kInfoWindowKinds> kInfoSlots = {{
    {kMultiplierWindow, IDC_SETUP_EADX100, "EA100DX", IDD_MULTIPLIER,
     PositionKeys{"dxcc_x", "dxcc_y", 10, 400}, &WindowRegistry::g_multiplierWnd, nullptr,
     MakeMultiplier},
    {kCallAreaWindow, IDC_SETUP_CALL_AREA, "Call_Area", IDD_CALL_AREA,
     PositionKeys{"area_x", "area_y", 10, 10}, &WindowRegistry::g_callAreaWnd, &kCallAreaMap,
     MakeMap},
    {kProvinceWindow, IDC_SETUP_PROVINCE, "Province", IDD_PROVINCE,
     PositionKeys{"ea_x", "ea_y", 10, 10}, &WindowRegistry::g_provinceWnd, &kProvinceMap, MakeMap},
    {kPrevQsoWindow, IDC_SETUP_PREV_QSO, "setup_view_prev_qso", IDD_PREV_QSO,
     PositionKeys{"prev_x", "prev_y", 10, 400}, &WindowRegistry::g_prevQsoWnd, nullptr,
     MakePrevQso},
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

// A map made without its part, or one that no removal resets, fails to
// compile: its removed cells would stay lit.
constexpr bool EachMapHasItsReset() {
    for (const InfoSlot& slot : kInfoSlots) {
        if ((slot.make == MakeMap) != (slot.map != nullptr)) return false;
        if (slot.map != nullptr && slot.map->resetBy == 0) return false;
    }
    return true;
}
static_assert(EachMapHasItsReset(), "kInfoSlots: each map row holds its map and its reset");

// A kind of station that no map resets fails to compile.
constexpr bool EachStationKindResetsAMap() {
    for (const StationKindRule& rule : kStationKinds) {
        bool reset = false;
        for (const InfoSlot& slot : kInfoSlots)
            reset = reset || (slot.map != nullptr && (slot.map->resetBy & rule.kind) != 0);
        if (!reset) return false;
    }
    return true;
}
static_assert(EachStationKindResetsAMap(), "kInfoSlots: each kind of station resets a map");

const InfoSlot* SlotOfBox(int id) {
    for (const InfoSlot& slot : kInfoSlots)
        if (slot.boxId == id) return &slot;
    return nullptr;
}

bool ResetBy(const InfoSlot& slot, StationKinds removed) {
    return slot.map != nullptr && (slot.map->resetBy & removed) != 0;
}

StationKinds OpenMapsOf(StationKinds removed, const WindowRegistry& registry) {
    StationKinds open = 0;
    for (const InfoSlot& slot : kInfoSlots) {
        if (ResetBy(slot, removed) && (registry.*slot.entry).load() != nullptr)
            open |= slot.map->resetBy & removed;
    }
    return open;
}
