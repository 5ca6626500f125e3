// The information windows of one Setup window: at most one of each kind,
// made from its slot and destroyed here, by their one owner, before the
// object goes (so the window's own OnDestroyed still runs).
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "windows/win32/info_slots.h"

class InfoWindowSet {
  public:
    explicit InfoWindowSet(const InfoContext& context) : m_context(context) {}
    InfoWindowSet(const InfoWindowSet&) = delete;
    InfoWindowSet& operator=(const InfoWindowSet&) = delete;
    ~InfoWindowSet() { CloseAll(); }

    // The open window of the kind, or null.
    InfoWindow* Get(InfoKind kind) const { return m_windows[kind].get(); }
    // Makes, creates and shows the window; a window that could not be made
    // is forgotten.  `onTop` as "Window on top" is now.
    bool Open(InfoKind kind, bool onTop);
    // Opens, in the opening order, each window whose flag in `due` is set
    // and that is not open, and asks the Setup window for one more refresh
    // for each.
    void OpenDue(const InfoFlags& due, bool onTop);
    // Sends the close request, then destroys the (hidden) window for good:
    // the next opening makes a new one.
    void Close(InfoKind kind);
    void CloseAll();
    // Each open window, in table order, with its slot.
    void ForEachOpen(const std::function<void(const InfoSlot&, InfoWindow&)>& visit) const;
    // Whether `root` is one of the open windows.
    bool Owns(HWND root) const;

  private:
    InfoContext m_context;
    std::array<std::unique_ptr<InfoWindow>, kInfoWindowKinds> m_windows;
};
