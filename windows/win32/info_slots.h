// The information windows as data, one per InfoKind: what tells them apart
// is a row of this table (box, key, template, place, registry entry, a
// map's own part, how to make one), and the code that closes, toggles,
// resets and repaints them walks it.  The order the refresh opens them in is its own
// list (InfoWindowSet::OpenDue).
#pragma once

#include <array>
#include <atomic>
#include <memory>

#include "contest/station_kinds.h"
#include "windows/win32/info_window.h"
#include "windows/win32/window_registry.h"

class SharedView;
struct MapSlot;
struct RefreshState;

enum InfoKind : int {
    kMultiplierWindow,
    kCallAreaWindow,
    kProvinceWindow,
    kPrevQsoWindow,
    kInfoWindowKinds
};

// What a window needs when it is made.
struct InfoContext {
    Settings& settings;
    bool onTop;
    WindowRegistry& registry;
    SharedView& shared;
    const RefreshState& refresh;
};

struct InfoSlot {
    InfoKind kind;
    int boxId;            // the Setup box that opens and closes it
    const char* showKey;  // its show flag in the settings file
    int templateId;
    PositionKeys position;
    std::atomic<HWND> WindowRegistry::*entry;
    const MapSlot* map;  // a map's cells, view and reset; null for a list
    std::unique_ptr<InfoWindow> (*make)(const InfoSlot& slot, const InfoContext& context);
};

// Row i is kind i (checked where it is defined).
extern const std::array<InfoSlot, kInfoWindowKinds> kInfoSlots;

// One flag per kind, such as the Setup window's boxes.
using InfoFlags = std::array<bool, kInfoWindowKinds>;

// The slot whose box is `id`, or null.
const InfoSlot* SlotOfBox(int id);

// Whether the slot is a map that a removal of the `removed` kinds resets.
bool ResetBy(const InfoSlot& slot, StationKinds removed);
// The kinds in `removed` whose map window is open.
StationKinds OpenMapsOf(StationKinds removed, const WindowRegistry& registry);
