// The refresh of the information windows on the window thread: the link to
// the host's automation object, the state kept between passes, the guard
// against a pass starting inside another, and applying a pass's view to
// whichever windows are open.
#pragma once

#include <atomic>
#include <functional>

#include "controls/com.h"
#include "windows/info_refresh.h"
#include "windows/win32/host_automation.h"
#include "windows/win32/info_window_set.h"

class InfoRefresher {
  public:
    // `state` lives for the whole load: a new Setup window goes on from the
    // dial and band the last one saw.
    InfoRefresher(SharedView& shared, RefreshState& state, const std::atomic<bool>& closing)
        : m_shared(shared), m_host(closing), m_state(state) {}

    HostAutomation& Host() { return m_host; }

    // One refresh: `openDue` opens the windows whose boxes are set, then a
    // pass runs and its view goes to `windows`.  A host call lets COM
    // deliver messages, so a request may arrive while a pass waits on the
    // host; it may come from a removal after the pass read the log, so it
    // is remembered, and Run answers true: one more refresh is due.
    bool Run(InfoWindowSet& windows, const std::function<void()>& openDue);
    // The maps named in `maps` (MapWindowBits) back to unworked.
    static void ResetMaps(InfoWindowSet& windows, WPARAM maps);

  private:
    void Apply(const RefreshView& view, InfoWindowSet& windows);

    SharedView& m_shared;
    ComApartment m_com;  // before m_host: the host's object goes first
    HostAutomation m_host;
    RefreshState& m_state;
    bool m_running = false;
    bool m_again = false;  // a request came while the pass ran
};
