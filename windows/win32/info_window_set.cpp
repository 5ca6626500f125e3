#include "windows/win32/info_window_set.h"

#include <iterator>

bool InfoWindowSet::Open(InfoKind kind, bool onTop) {
    Close(kind);  // a window of this kind still open goes first, with its registry entry
    const InfoSlot& slot = kInfoSlots[kind];
    InfoContext context = m_context;
    context.onTop = onTop;
    m_windows[kind] = slot.make(slot, context);
    if (m_windows[kind]->Open()) return true;
    Close(kind);
    return false;
}

namespace {
// The refresh opens the windows due in this order, so the previous-QSO
// table, the one the operator reads while typing, comes up last, on top.
constexpr InfoKind kOpeningOrder[] = {kMultiplierWindow, kCallAreaWindow, kProvinceWindow,
                                      kPrevQsoWindow};

constexpr bool OpensEachKindOnce() {
    bool named[kInfoWindowKinds] = {};
    for (InfoKind kind : kOpeningOrder) {
        if (named[kind]) return false;
        named[kind] = true;
    }
    return std::size(kOpeningOrder) == kInfoWindowKinds;
}
static_assert(OpensEachKindOnce(), "kOpeningOrder names each kind once");
}  // namespace

void InfoWindowSet::OpenDue(const InfoFlags& due, bool onTop) {
    for (InfoKind kind : kOpeningOrder) {
        if (!due[kind] || Get(kind) != nullptr) continue;
        if (!Open(kind, onTop)) continue;
        Get(kind)->OpenedAsDue();
        PostRefreshRequest(m_context.registry.g_setupWnd);
    }
}

void InfoWindowSet::Close(InfoKind kind) {
    std::unique_ptr<InfoWindow>& window = m_windows[kind];
    if (window == nullptr) return;
    if (window->Window() != nullptr) SendMessageA(window->Window(), WM_CLOSE, 0, 0);
    window->Destroy();
    window.reset();
}

void InfoWindowSet::CloseAll() {
    for (const InfoSlot& slot : kInfoSlots) Close(slot.kind);
}

void InfoWindowSet::ForEachOpen(
    const std::function<void(const InfoSlot&, InfoWindow&)>& visit) const {
    for (const InfoSlot& slot : kInfoSlots)
        if (m_windows[slot.kind] != nullptr) visit(slot, *m_windows[slot.kind]);
}

bool InfoWindowSet::Owns(HWND root) const {
    for (const std::unique_ptr<InfoWindow>& window : m_windows)
        if (window != nullptr && window->Window() == root) return true;
    return false;
}
