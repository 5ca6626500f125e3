// The window thread's one door to the state it shares with the host
// thread.  Each member takes the lock once, copies what the windows need
// and lets it go, so a window never paints or calls the host while the
// host thread waits for the lock.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/painted_views.h"
#include "windows/window_titles.h"

// One row per band index.
using PrevQsoRowSet = std::array<PrevQsoRow, kWindowBands>;

// One band's lists for the map windows, and the captions read with them.
struct MapLists {
    Captions captions;
    std::vector<std::string> provinces;
    std::vector<std::string> callAreas;  // in the order of the call-area kinds
};

class SharedView {
  public:
    virtual ~SharedView() = default;

    virtual Captions TakeCaptions() = 0;
    virtual std::string TakeHostVersion() = 0;
    // Makes the previous-QSO rows afresh for `call` and keeps them for the
    // table; answers the captions read under the same lock.
    virtual Captions FillPrevQsoRows(const std::string& call) = 0;
    // The rows as last made.
    virtual PrevQsoRowSet TakeRows() = 0;
    // `band` a band index.
    virtual MapLists TakeBandLists(int band) = 0;
    // The entities and call areas worked on `band`, a band index, in log order.
    virtual std::vector<std::string> TakeMultipliers(int band) = 0;
    // A pass has ended: the call check may ask for the next one.
    virtual void RearmRefresh() = 0;
};
