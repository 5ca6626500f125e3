#include "windows/win32/info_window_set.h"

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

void InfoWindowSet::OpenDue(const InfoFlags& due, bool onTop) {
    for (const InfoSlot& slot : kInfoSlots) {
        if (!due[slot.kind] || Get(slot.kind) != nullptr) continue;
        if (!Open(slot.kind, onTop)) continue;
        Get(slot.kind)->OpenedAsDue();
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
