#include "plugin/shared_state.h"

#include "contest/call_area_kinds.h"
#include "windows/prev_qso_rows.h"

namespace {

Captions CaptionsOf(const PluginState& s) {
    return Captions{s.g_contestYear, s.g_russianCaptions != 0};
}

}  // namespace

Captions SharedState::TakeCaptions() { return CaptionsOf(*Lock()); }

std::string SharedState::TakeHostVersion() { return Lock()->g_hostVersion; }

Captions SharedState::FillPrevQsoRows(const std::string& call) {
    const Locked s = Lock();
    FillRows(s->g_prevQsoRows, s->g_log, call);
    return CaptionsOf(*s);
}

PrevQsoRowSet SharedState::TakeRows() { return Lock()->g_prevQsoRows; }

MapLists SharedState::TakeBandLists(int band) {
    const auto row = static_cast<std::size_t>(band);
    const Locked s = Lock();
    MapLists lists;
    lists.captions = CaptionsOf(*s);
    lists.provinces = s->bandLists.g_bandProvinces[row];
    // In the map's order of the countries.
    std::size_t count = 0;
    for (const CallAreaKind& kind : kCallAreaKind)
        count += (s->bandLists.*kind.bandRows)[row].size();
    lists.callAreas.reserve(count);
    for (int group = 0; group < kCallAreaKinds; ++group) {
        const std::vector<std::string>& list =
            (s->bandLists.*CallAreaKindOfMapGroup(group).bandRows)[row];
        lists.callAreas.insert(lists.callAreas.end(), list.begin(), list.end());
    }
    return lists;
}

std::vector<std::string> SharedState::TakeMultipliers(int band) {
    return Lock()->bandLists.g_bandMults[static_cast<std::size_t>(band)];
}

void SharedState::RearmRefresh() { Lock()->g_refreshPending = 1; }
