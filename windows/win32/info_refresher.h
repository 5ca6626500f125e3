// The refresh of the information windows on the window thread: the state
// kept between passes, the guard against a pass starting inside another,
// and handing a pass's view to whichever windows are open.
#pragma once

#include "windows/info_refresh.h"
#include "windows/win32/info_window_set.h"

class InfoRefresher {
  public:
    // `state` lives for the whole load: a new Setup window goes on from the
    // dial and band the last one saw.
    InfoRefresher(SharedView& shared, RefreshState& state, HostLink& host)
        : m_shared(shared), m_host(host), m_state(state) {}

    // One refresh: the windows flagged in `due` that are not open open
    // (on top as `onTop` says), then a pass runs and its view goes to
    // `windows`.  A host call lets COM
    // deliver messages, so a request may arrive while a pass waits on the
    // host; it may come from a removal after the pass read the log, so it
    // is remembered, and Run answers true: one more refresh is due.
    bool Run(InfoWindowSet& windows, const InfoFlags& due, bool onTop);
    // The maps of the kinds of station in `removed` back to unworked.
    static void ResetMaps(InfoWindowSet& windows, StationKinds removed);

  private:
    void Apply(const RefreshView& view, InfoWindowSet& windows);

    SharedView& m_shared;
    HostLink& m_host;
    RefreshState& m_state;
    bool m_running = false;
    bool m_again = false;  // a request came while the pass ran
};
