// The contest log: QSO records in the order they were added, with indexes
// so that the checks made at every keystroke do not scan the whole log.
// Every answer equals the one a scan from the first record would give.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>

#include "contest/info.h"

class LogStore {
  public:
    using Id = std::uint64_t;
    using Records = std::map<Id, CInfo>;  // ordered by id = log order

    int GetCount() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }
    Records::const_iterator begin() const { return m_records.begin(); }
    Records::const_iterator end() const { return m_records.end(); }
    const CInfo& GetAt(int index) const;  // walks the log: for tests and tools
    const CInfo* Last() const;

    Id Add(const CInfo& info);
    void RemoveAt(Id id);
    void RemoveAll();

    // Queries, each equal to a scan of the log from its first record.
    bool HasCallOnBand(const std::string& call, const std::string& band) const;
    int CountSame(const std::string& call, const std::string& band, const std::string& mode) const;
    const CInfo* FirstOnBand(const std::string& band) const;
    bool HasCountryOnBand(const std::string& band, const std::string& country) const;
    // True when a record on the band carries the same call area as `info`
    // (JA, VE, VK, K tested in that order, -1 never matches).
    bool HasAreaOnBand(const std::string& band, const CInfo& info) const;
    // The first record with this call, band and mode whose time is the same.
    const Id* FindQso(const std::string& call, const std::string& band, const std::string& mode,
                      const COleDateTime& time) const;

  private:
    enum AreaKind { kJA, kVE, kVK, kK, kAreaKinds };
    using AreaCounts = std::array<std::array<int, 10>, kAreaKinds>;
    struct Entry {
        Id id;
        const CInfo* info;  // map nodes never move
    };

    void Index(Id id, const CInfo& info, int step);
    void DropStaleFirsts(const std::string& band);

    Records m_records;
    Id m_nextId = 0;
    // One entry per record under (call, band), in no particular order.
    std::unordered_multimap<std::string, Entry> m_byCallBand;
    // Ids on each band in log order; removed ids leave the front at once and
    // the middle when they reach the front.
    std::unordered_map<std::string, std::deque<Id>> m_byBand;
    std::unordered_map<std::string, int> m_byBandCountry;       // band, country
    std::unordered_map<std::string, AreaCounts> m_areasByBand;  // band
};
