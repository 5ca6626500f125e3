// The four information windows as data: what tells them apart is a row of
// this table (box, key, template, place, registry entry, how to make one),
// and the code that opens, closes and toggles them walks the table.
#pragma once

#include <array>
#include <atomic>
#include <memory>

#include "windows/win32/info_window.h"
#include "windows/win32/window_registry.h"

class SharedView;
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
    std::unique_ptr<InfoWindow> (*make)(const InfoSlot& slot, const InfoContext& context);
};

// Indexed by InfoKind.
extern const std::array<InfoSlot, kInfoWindowKinds> kInfoSlots;

// The slot whose box is `id`, or null.
const InfoSlot* SlotOfBox(int id);

using InfoOrder = std::array<InfoKind, kInfoWindowKinds>;
// The refresh opens the windows due in table order, so the previous-QSO
// table, the one the operator reads while typing, comes up last, on top.
constexpr InfoOrder kOpenOrder = {kMultiplierWindow, kCallAreaWindow, kProvinceWindow,
                                  kPrevQsoWindow};
// "Window on top" closes the maps first, the province map before the call
// areas, then the two lists, as the operator has always seen them go.
constexpr InfoOrder kOnTopCloseOrder = {kProvinceWindow, kCallAreaWindow, kPrevQsoWindow,
                                        kMultiplierWindow};
// Closing them all (the Setup window ends) takes the call-area map first;
// the order is kept as operators know it, nothing depends on it.
constexpr InfoOrder kCloseAllOrder = {kCallAreaWindow, kProvinceWindow, kPrevQsoWindow,
                                      kMultiplierWindow};
