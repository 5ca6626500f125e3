#include "contest/log_store.h"

#include <stdexcept>

#include "contest/text_util.h"

const CInfo& LogStore::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) throw std::out_of_range("log index");
    auto it = m_records.begin();
    std::advance(it, index);
    return it->second;
}

const CInfo* LogStore::Last() const {
    return m_records.empty() ? nullptr : &m_records.rbegin()->second;
}

LogStore::Id LogStore::Add(const CInfo& info) {
    const Id id = m_nextId++;
    const CInfo& stored = m_records.emplace(id, info).first->second;
    m_byCallBand.emplace(JoinKey(stored.m_call, stored.m_band), Entry{id, &stored});
    m_byBand[stored.m_band].push_back(id);
    Index(id, stored, +1);
    return id;
}

void LogStore::RemoveAt(Id id) {
    auto it = m_records.find(id);
    if (it == m_records.end()) return;
    const CInfo& info = it->second;
    const auto same = m_byCallBand.equal_range(JoinKey(info.m_call, info.m_band));
    for (auto entry = same.first; entry != same.second; ++entry) {
        if (entry->second.id == id) {
            m_byCallBand.erase(entry);
            break;
        }
    }
    Index(id, info, -1);
    const std::string band = info.m_band;
    m_records.erase(it);
    DropStaleFirsts(band);
}

void LogStore::RemoveAll() {
    m_records.clear();
    m_byCallBand.clear();
    m_byBand.clear();
    m_byBandCountry.clear();
    m_areasByBand.clear();
}

// Takes removed ids off the front of the band's list, so that its first id
// is the band's first record.
void LogStore::DropStaleFirsts(const std::string& band) {
    auto it = m_byBand.find(band);
    if (it == m_byBand.end()) return;
    std::deque<Id>& ids = it->second;
    while (!ids.empty() && m_records.count(ids.front()) == 0) ids.pop_front();
    if (ids.empty()) m_byBand.erase(it);
}

namespace {

template <typename Map>
void Count(Map& map, const std::string& key, int step) {
    auto it = map.find(key);
    if (it == map.end()) {
        if (step > 0) map.emplace(key, step);
        return;
    }
    it->second += step;
    if (it->second == 0) map.erase(it);
}

}  // namespace

// Adds (step +1) or takes out (step -1) one record from the counting indexes.
void LogStore::Index(Id, const CInfo& info, int step) {
    Count(m_byBandCountry, JoinKey(info.m_band, info.m_country), step);
    const std::int32_t areas[kAreaKinds] = {info.m_areaJA, info.m_areaVE, info.m_areaVK,
                                            info.m_areaK};
    AreaCounts& counts = m_areasByBand[info.m_band];
    for (int kind = 0; kind < kAreaKinds; ++kind) {
        if (areas[kind] >= 0 && areas[kind] <= 9) counts[kind][areas[kind]] += step;
    }
}

bool LogStore::HasCallOnBand(const std::string& call, const std::string& band) const {
    return m_byCallBand.count(JoinKey(call, band)) != 0;
}

int LogStore::CountSame(const std::string& call, const std::string& band,
                        const std::string& mode) const {
    const auto same = m_byCallBand.equal_range(JoinKey(call, band));
    int count = 0;
    for (auto entry = same.first; entry != same.second; ++entry) {
        if (entry->second.info->m_mode == mode) ++count;
    }
    return count;
}

const CInfo* LogStore::FirstOnBand(const std::string& band) const {
    auto it = m_byBand.find(band);
    if (it == m_byBand.end()) return nullptr;
    return &m_records.at(it->second.front());
}

bool LogStore::HasCountryOnBand(const std::string& band, const std::string& country) const {
    return m_byBandCountry.count(JoinKey(band, country)) != 0;
}

bool LogStore::HasAreaOnBand(const std::string& band, const CInfo& info) const {
    auto it = m_areasByBand.find(band);
    if (it == m_areasByBand.end()) return false;
    const std::int32_t areas[kAreaKinds] = {info.m_areaJA, info.m_areaVE, info.m_areaVK,
                                            info.m_areaK};
    for (int kind = 0; kind < kAreaKinds; ++kind) {
        if (areas[kind] >= 0 && areas[kind] <= 9 && it->second[kind][areas[kind]] > 0) return true;
    }
    return false;
}

const LogStore::Id* LogStore::FindQso(const std::string& call, const std::string& band,
                                      const std::string& mode, const COleDateTime& time) const {
    // The first in log order: the matching entry with the lowest id.
    const Id* first = nullptr;
    const auto same = m_byCallBand.equal_range(JoinKey(call, band));
    for (auto entry = same.first; entry != same.second; ++entry) {
        const Entry& e = entry->second;
        if (e.info->m_mode != mode || !e.info->m_time.SameAs(time)) continue;
        if (first == nullptr || e.id < *first) first = &e.id;
    }
    return first;
}
