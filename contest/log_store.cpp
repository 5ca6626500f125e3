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
    Index(id, stored, +1);
    return id;
}

void LogStore::RemoveAt(Id id) {
    auto it = m_records.find(id);
    if (it == m_records.end()) return;
    Index(id, it->second, -1);
    m_records.erase(it);
}

void LogStore::RemoveAll() {
    m_records.clear();
    m_byQso.clear();
    m_byCallBand.clear();
    m_byBand.clear();
    m_byBandCountry.clear();
    m_areasByBand.clear();
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

template <typename Map, typename Id>
void Track(Map& map, const std::string& key, Id id, int step) {
    if (step > 0) {
        map[key].insert(id);
        return;
    }
    auto it = map.find(key);
    if (it == map.end()) return;
    it->second.erase(id);
    if (it->second.empty()) map.erase(it);
}

}  // namespace

// Adds (step +1) or takes out (step -1) one record from every index.
void LogStore::Index(Id id, const CInfo& info, int step) {
    Track(m_byQso, JoinKey(info.m_call, info.m_band, info.m_mode), id, step);
    Count(m_byCallBand, JoinKey(info.m_call, info.m_band), step);
    Track(m_byBand, info.m_band, id, step);
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
    auto it = m_byQso.find(JoinKey(call, band, mode));
    return it == m_byQso.end() ? 0 : static_cast<int>(it->second.size());
}

const CInfo* LogStore::FirstOnBand(const std::string& band) const {
    auto it = m_byBand.find(band);
    if (it == m_byBand.end()) return nullptr;
    return &m_records.at(*it->second.begin());
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
    auto it = m_byQso.find(JoinKey(call, band, mode));
    if (it == m_byQso.end()) return nullptr;
    for (const Id& id : it->second) {
        if (m_records.at(id).m_time.SameAs(time)) return &id;
    }
    return nullptr;
}
