// One refresh of the information windows, without the windows: reads the
// typed call and the dial from the host, fills the previous-QSO rows from
// the log and says what the open windows must show.  The window thread runs
// it when WM_REFRESH_INFO arrives and applies the answer to whichever
// windows are open.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contest/lock_rule.h"
#include "controls/painted_views.h"
#include "windows/shared_view.h"
#include "windows/window_titles.h"

// The band index of a dial frequency in hertz: the band row whose whole
// megahertz it has, truncated towards zero; anything else (NaN and
// infinities included) gives -1.
int BandOfDial(double hz);

// The host's automation object (HostAutomation calls its members by their
// dispatch ids).
class HostLink {
  public:
    virtual ~HostLink() = default;
    virtual bool Connected() const = 0;
    // Each answer is empty (SendMacro: false) when the call to the host failed.
    // Each call reaches the host's thread, which may be waiting for the
    // shared state's lock inside an export: never made under it.
    std::optional<std::string> TypedCall() {
        LockRule::ExpectNoLock("the host's typed call");
        return DoTypedCall();
    }
    std::optional<double> DialHz() {
        LockRule::ExpectNoLock("the host's dial");
        return DoDialHz();
    }
    bool SendMacro(const std::string& text) {
        LockRule::ExpectNoLock("the host's macro");
        return DoSendMacro(text);
    }
    // A typed call (in the host's code page, as TypedCall gives it) as the
    // window titles take their texts: UTF-8.
    virtual std::string TitleTextOf(const std::string& call) const { return call; }

  protected:
    virtual std::optional<std::string> DoTypedCall() = 0;
    virtual std::optional<double> DoDialHz() = 0;
    virtual bool DoSendMacro(const std::string& text) = 0;
};

// shownBand before the maps mark any band: one past the last band index.
constexpr int kNoBandShown = kWindowBands;

// The window thread's own state between passes.
struct RefreshState {
    std::string currentCall;
    double lastDialHz = 0.0;       // the dial when "<SP1>" was last sent
    int currentBand = -1;          // -1 until a pass finds a band
    int shownBand = kNoBandShown;  // the band the map windows mark
};

// What one pass decided; empty strings mean "leave as is".
struct RefreshView {
    bool rowsUpdated = false;  // the previous-QSO table must repaint
    std::string prevQsoTitle;
    bool bandKnown = false;       // the dial is on a contest band: the rest applies
    std::string multiplierTitle;  // only while no call is typed
    bool resetMaps = false;       // the band changed: every map cell goes back to unworked
    std::string provinceTitle;
    std::vector<std::string> provinces;  // to mark, in list order
    std::string callAreaTitle;
    std::vector<std::string> callAreas;  // in the order of the call-area kinds
};

// One pass.  Reads and writes the shared state only through `shared`,
// never while it calls the host, and re-arms the call check however it
// ends, so that the call check can ask again.
RefreshView RunRefreshPass(SharedView& shared, RefreshState& refresh, HostLink& host);

// Copies for painting, taken through the door.
TableView TakeTableView(SharedView& shared, const RefreshState& refresh);
// The current band's multipliers in ascending byte order; empty without a band.
MultiplierView TakeMultiplierView(SharedView& shared, const RefreshState& refresh);
