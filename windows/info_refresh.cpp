#include "windows/info_refresh.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "contest/contest_rules.h"

static_assert(kWindowBands == kBandRows, "one window band per band row");

const std::array<const char*, kWindowBands> kBandLabels = {"160m", "80m", "40m",
                                                           "20m",  "15m", "10m"};

int BandOfDial(double hz) {
    static constexpr double kWholeMHz[kWindowBands] = {1, 3, 7, 14, 21, 28};
    // Compared as doubles: a huge or NaN frequency never reaches an int.
    const double mhz = std::trunc(hz / 1000000.0);
    for (int band = 0; band < kWindowBands; ++band) {
        if (mhz == kWholeMHz[band]) return band;
    }
    return -1;
}

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

constexpr std::size_t kRowCells = 5;
const char* const kEmptyCell = "   -";
const char* const kDialMovedMacro = "<SP1>";
constexpr double kDialStepHz = 300.0;

// Whichever way a pass ends, the call check may ask for the next one.
// Without this a failed host call would leave the token cleared and no
// refresh would come until a QSO is removed.
class PendingOnExit {
  public:
    explicit PendingOnExit(PluginState& state) : m_state(state) {}
    PendingOnExit(const PendingOnExit&) = delete;
    PendingOnExit& operator=(const PendingOnExit&) = delete;
    ~PendingOnExit() {
        const Guard guard(m_state.lock);
        m_state.g_refreshPending = 1;
    }

  private:
    PluginState& m_state;
};

Captions CaptionsOf(const PluginState& state) {
    return Captions{state.g_contestYear, state.g_russianCaptions != 0};
}

void ClearRow(std::vector<std::string>& row) {
    if (row.size() < kRowCells) row.resize(kRowCells);  // no reset yet: the label stays empty
    for (std::size_t cell = 1; cell < kRowCells; ++cell) row[cell] = kEmptyCell;
}

void ShowQso(std::vector<std::string>& row, const CInfo& qso) {
    row[1] = qso.m_mode;
    row[2] = qso.m_time.Format("%H:%M");
    row[3] = IsSpanishCountry(qso.m_country) ? qso.m_province : qso.m_exchReceived;
}

// Reads the dial and tells the host when it has moved by more than the step.
// False when the pass must end: a failed call, or an infinite frequency.
bool FollowDial(HostLink& host, RefreshState& refresh, double* hz) {
    if (!host.DialHz(hz) || std::isinf(*hz)) return false;
    if (std::fabs(*hz - refresh.lastDialHz) > kDialStepHz) {  // NaN is never greater
        if (!host.SendMacro(kDialMovedMacro)) return false;
        refresh.lastDialHz = *hz;
    }
    return true;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// The map windows' marks and the titles that name the band.
void ShowBand(PluginState& state, RefreshState& refresh, int band, RefreshView& view) {
    const Captions captions = TakeBandLists(state, band, view);
    const std::string label = kBandLabels[static_cast<std::size_t>(band)];
    if (refresh.currentCall.empty()) view.multiplierTitle = MultiplierTitle(captions, label);
    view.resetMaps = band != refresh.shownBand;
    view.provinceTitle = ProvinceTitle(captions, label, view.provinces.size());
    view.callAreaTitle = CallAreaTitle(label);
    refresh.shownBand = band;
    view.repaint = true;
}

}  // namespace

Captions FillPrevQsoRows(PluginState& state, const std::string& call) {
    const Guard guard(state.lock);
    for (std::size_t row = 0; row < kWindowBands; ++row) {
        std::vector<std::string>& cells = state.g_prevQsoRows[row];
        ClearRow(cells);
        if (call.empty()) continue;
        const CInfo* newest = state.g_log.NewestOnBand(call, kBandLabels[row]);
        if (newest != nullptr) ShowQso(cells, *newest);
    }
    return CaptionsOf(state);
}

Captions TakeBandLists(PluginState& state, int band, RefreshView& view) {
    const auto row = static_cast<std::size_t>(band);
    const Guard guard(state.lock);
    view.provinces = state.g_bandProvinces[row];
    const std::vector<std::string>* areas[] = {&state.g_bandAreasK[row], &state.g_bandAreasVE[row],
                                               &state.g_bandAreasJA[row],
                                               &state.g_bandAreasVK[row]};
    std::size_t count = 0;
    for (const std::vector<std::string>* list : areas) count += list->size();
    view.callAreas.clear();
    view.callAreas.reserve(count);
    for (const std::vector<std::string>* list : areas) Append(view.callAreas, *list);
    return CaptionsOf(state);
}

RefreshView RunRefreshPass(PluginState& state, RefreshState& refresh, HostLink& host) {
    const PendingOnExit pending(state);
    RefreshView view;
    std::string call;
    if (!host.Connected() || !host.TypedCall(&call)) return view;
    refresh.currentCall = std::move(call);
    // A call of one or two characters is still being typed.
    if (refresh.currentCall.size() == 1 || refresh.currentCall.size() == 2) return view;

    const Captions captions = FillPrevQsoRows(state, refresh.currentCall);
    view.rowsUpdated = true;
    view.prevQsoTitle = refresh.currentCall.empty()
                            ? PrevQsoTitle(captions)
                            : WorkedWithTitle(captions, refresh.currentCall);

    double hz = 0.0;
    if (!FollowDial(host, refresh, &hz)) return view;
    const int band = BandOfDial(hz);
    if (band < 0) return view;
    refresh.currentBand = band;
    view.bandKnown = true;
    ShowBand(state, refresh, band, view);
    return view;
}

TableView TakeTableView(PluginState& state, const RefreshState& refresh) {
    TableView view;
    view.currentBand = refresh.currentBand;
    view.call = refresh.currentCall;
    {
        const Guard guard(state.lock);
        for (std::size_t row = 0; row < kWindowBands; ++row)
            view.rows[row] = state.g_prevQsoRows[row];
    }
    for (std::vector<std::string>& row : view.rows) {
        if (row.size() < 4) row.resize(4);  // the table paints four cells
    }
    return view;
}

MultiplierView TakeMultiplierView(PluginState& state, const RefreshState& refresh) {
    MultiplierView view;
    view.currentBand = refresh.currentBand;
    if (refresh.currentBand < 0 || refresh.currentBand >= kWindowBands) return view;
    {
        const Guard guard(state.lock);
        view.entries = state.g_bandMults[static_cast<std::size_t>(refresh.currentBand)];
    }
    // std::string compares its bytes as unsigned char.
    std::sort(view.entries.begin(), view.entries.end());
    return view;
}
