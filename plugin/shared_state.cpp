#include "plugin/shared_state.h"

#include "contest/call_area_kinds.h"
#include "windows/prev_qso_rows.h"

Captions SharedState::CaptionsLocked() const {
    return Captions{m_state.g_contestYear, m_state.g_russianCaptions != 0};
}

Captions SharedState::TakeCaptions() {
    const Locked held = Lock();
    return CaptionsLocked();
}

std::string SharedState::TakeHostVersion() {
    const Locked held = Lock();
    return m_state.g_hostVersion;
}

Captions SharedState::FillPrevQsoRows(const std::string& call) {
    const Locked held = Lock();
    FillRows(m_state.g_prevQsoRows, m_state.g_log, call);
    return CaptionsLocked();
}

PrevQsoRowSet SharedState::TakeRows() {
    const Locked held = Lock();
    return m_state.g_prevQsoRows;
}

MapLists SharedState::TakeBandLists(int band) {
    const auto row = static_cast<std::size_t>(band);
    const Locked held = Lock();
    MapLists lists;
    lists.captions = CaptionsLocked();
    lists.provinces = m_state.bandLists.g_bandProvinces[row];
    // In the map's order of the countries.
    std::size_t count = 0;
    for (const CallAreaKind& kind : kCallAreaKind)
        count += (m_state.bandLists.*kind.bandRows)[row].size();
    lists.callAreas.reserve(count);
    for (int group = 0; group < kCallAreaKinds; ++group) {
        const std::vector<std::string>& list =
            (m_state.bandLists.*CallAreaKindOfMapGroup(group).bandRows)[row];
        lists.callAreas.insert(lists.callAreas.end(), list.begin(), list.end());
    }
    return lists;
}

std::vector<std::string> SharedState::TakeMultipliers(int band) {
    const Locked held = Lock();
    return m_state.bandLists.g_bandMults[static_cast<std::size_t>(band)];
}

void SharedState::RearmRefresh() {
    const Locked held = Lock();
    m_state.g_refreshPending = 1;
}
