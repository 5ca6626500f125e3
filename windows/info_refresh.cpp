#include "windows/info_refresh.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "contest/contest_rules.h"
#include "windows/prev_qso_rows.h"

int BandOfDial(double hz) {
    // Compared as doubles: a huge or NaN frequency never reaches an int.
    const double mhz = std::trunc(hz / 1000000.0);
    for (int band = 0; band < kWindowBands; ++band) {
        if (mhz == kBands[band].wholeMHz) return band;
    }
    return -1;
}

namespace {

const char* const kDialMovedMacro = "<SP1>";
constexpr double kDialStepHz = 300.0;

// Whichever way a pass ends, the call check may ask for the next one.
// Without this a failed host call would leave the token cleared and no
// refresh would come until a QSO is removed.
class PendingOnExit {
  public:
    explicit PendingOnExit(SharedView& shared) : m_shared(shared) {}
    PendingOnExit(const PendingOnExit&) = delete;
    PendingOnExit& operator=(const PendingOnExit&) = delete;
    ~PendingOnExit() { m_shared.RearmRefresh(); }

  private:
    SharedView& m_shared;
};

// Reads the dial and tells the host when it has moved by more than the step.
// Empty when the pass must end: a failed call, or an infinite frequency.
std::optional<double> FollowDial(HostLink& host, RefreshState& refresh) {
    const std::optional<double> hz = host.DialHz();
    if (!hz || std::isinf(*hz)) return std::nullopt;
    if (std::fabs(*hz - refresh.lastDialHz) > kDialStepHz) {  // NaN is never greater
        if (!host.SendMacro(kDialMovedMacro)) return std::nullopt;
        refresh.lastDialHz = *hz;
    }
    return hz;
}

// The map windows' marks and the titles that name the band.
void ShowBand(SharedView& shared, RefreshState& refresh, int band, RefreshView& view) {
    MapLists lists = shared.TakeBandLists(band);
    view.provinces = std::move(lists.provinces);
    view.callAreas = std::move(lists.callAreas);
    const Captions& captions = lists.captions;
    const std::string label = kBands[band].text;
    if (refresh.currentCall.empty()) view.multiplierTitle = MultiplierTitle(captions, label);
    view.resetMaps = band != refresh.shownBand;
    view.provinceTitle = ProvinceTitle(captions, label, view.provinces.size());
    view.callAreaTitle = CallAreaTitle(label);
    refresh.shownBand = band;
}

}  // namespace

RefreshView RunRefreshPass(SharedView& shared, RefreshState& refresh, HostLink& host) {
    const PendingOnExit pending(shared);
    RefreshView view;
    if (!host.Connected()) return view;
    std::optional<std::string> call = host.TypedCall();
    if (!call) return view;
    refresh.currentCall = std::move(*call);
    // A call of one or two characters is still being typed.
    if (refresh.currentCall.size() == 1 || refresh.currentCall.size() == 2) return view;

    const Captions captions = shared.FillPrevQsoRows(refresh.currentCall);
    view.rowsUpdated = true;
    view.prevQsoTitle = refresh.currentCall.empty()
                            ? PrevQsoTitle(captions)
                            : WorkedWithTitle(captions, host.TitleTextOf(refresh.currentCall));

    const std::optional<double> hz = FollowDial(host, refresh);
    if (!hz) return view;
    const int band = BandOfDial(*hz);
    if (band < 0) return view;
    refresh.currentBand = band;
    view.bandKnown = true;
    ShowBand(shared, refresh, band, view);
    return view;
}

TableView TakeTableView(SharedView& shared, const RefreshState& refresh) {
    TableView view;
    view.currentBand = refresh.currentBand;
    view.call = refresh.currentCall;
    view.rows = shared.TakeRows();
    return view;
}

MultiplierView TakeMultiplierView(SharedView& shared, const RefreshState& refresh) {
    MultiplierView view;
    view.currentBand = refresh.currentBand;
    if (refresh.currentBand < 0 || refresh.currentBand >= kWindowBands) return view;
    view.entries = shared.TakeMultipliers(refresh.currentBand);
    // std::string compares its bytes as unsigned char.
    std::sort(view.entries.begin(), view.entries.end());
    return view;
}
