// The contest log: QSO records in the order they were added, with indexes
// so that the checks made at every keystroke do not scan the whole log.
// Every answer equals the one a scan from the first record would give.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/call_band_index.h"
#include "contest/info.h"
#include "contest/text_codes.h"

class LogStore {
  public:
    using Id = std::uint64_t;  // a sequence number: ids grow in log order
    using Code = TextCodes::Code;

    // A record with its id.
    struct Slot {
        Slot(Id slotId, CInfo&& record) : id(slotId), info(std::move(record)) {}
        Id id;
        CInfo info;
    };

    // What a pass over the log needs of a record, kept small and beside the
    // other records' so that the pass reads one compact array.
    struct Keys {
        Id id;
        Code band;
        Code country;
        Code province;
        std::int32_t dupe;
        std::int32_t area;       // the call area of `areaColumn`
        std::int8_t areaColumn;  // first kCallAreaKind not -1; kCallAreaKinds for none
        bool live;               // false once removed (the slot waits for compaction)
        bool counted;
        bool hasCall;
        bool hasProvince;
    };

    // Walks the live records in log order, giving each record.
    class const_iterator {
      public:
        const_iterator(const LogStore* log, std::size_t pos) : m_log(log), m_pos(pos) { Skip(); }
        const CInfo& operator*() const { return m_log->m_slots[m_pos].info; }
        const CInfo* operator->() const { return &m_log->m_slots[m_pos].info; }
        const_iterator& operator++() {
            ++m_pos;
            Skip();
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_pos == o.m_pos; }
        bool operator!=(const const_iterator& o) const { return m_pos != o.m_pos; }

      private:
        void Skip() {
            while (m_pos < m_log->m_keys.size() && !m_log->m_keys[m_pos].live) ++m_pos;
        }
        const LogStore* m_log;
        std::size_t m_pos;
    };

    int GetCount() const { return static_cast<int>(m_live); }
    bool IsEmpty() const { return m_live == 0; }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, m_slots.size()); }
    const CInfo& GetAt(int index) const;  // walks the log: for tests and tools
    const CInfo* Last() const;

    // Positions 0 .. SlotCount()-1 in log order, removed ones included
    // (their keys say they are not live).
    std::size_t SlotCount() const { return m_slots.size(); }
    const Keys& KeysAt(std::size_t pos) const { return m_keys[pos]; }
    const CInfo& RecordAt(std::size_t pos) const { return m_slots[pos].info; }
    const TextCodes& Bands() const { return m_bands; }
    const TextCodes& Countries() const { return m_countries; }
    const TextCodes& Provinces() const { return m_provinces; }

    Id Add(CInfo info);
    void RemoveAt(Id id);
    void RemoveAll();
    // Stops the program (in the checked builds) when the last slot is a removed one.
    static void ExpectLiveTail(const std::vector<Keys>& keys);

    // Queries, each equal to a scan of the log from its first record.
    bool HasCallOnBand(const std::string& call, const std::string& band) const;
    int CountSame(const std::string& call, const std::string& band, const std::string& mode) const;
    const CInfo* FirstOnBand(const std::string& band) const;
    // The last record in log order with this call and band (exact texts), or null.
    const CInfo* NewestOnBand(const std::string& call, const std::string& band) const;
    bool HasCountryOnBand(const std::string& band, const std::string& country) const;
    // True when a record on the band carries the same call area as `info`
    // (in any of the call-area kinds, contest/call_area_kinds.h; -1 never
    // matches).
    bool HasAreaOnBand(const std::string& band, const CInfo& info) const;
    // The first record with this call, band and mode whose time is the same.
    const Id* FindQso(const std::string& call, const std::string& band, const std::string& mode,
                      const COleDateTime& time) const;

  private:
    // Records per call area, for each kCallAreaKind.
    using AreaCounts = std::array<std::array<int, 10>, kCallAreaKinds>;
    using Pos = CallBandIndex::Pos;
    struct CallBand {
        const std::string& call;
        Code band;
    };
    // What the checks know of one band.
    struct BandIndex {
        std::deque<Id> ids;          // log order; removed ones leave when at the front
        std::vector<int> countries;  // records per country code
        AreaCounts areas{};
    };

    Keys KeysOf(Id id, const CInfo& info);
    // Room in every structure for the record `keys` at `pos`, so that
    // indexing it cannot throw.
    void MakeRoom(const Keys& keys, Pos pos);
    std::size_t PosOf(Id id) const;  // SlotCount() when not live
    const BandIndex* BandOf(const std::string& band) const;
    // The newest position of the call on the band, CallBandIndex::kNone when none.
    Pos NewestOf(const std::string& call, const std::string& band) const;
    std::uint64_t HashOf(const CallBand& key) const;
    CallBandIndex::SameKey SameAs(const CallBand& key) const;
    void Index(Pos pos, int step);
    void DropStaleFirsts(BandIndex& band);
    void DropDeadTail();
    void CompactIfSparse();
    void ReleaseAll();

    std::vector<Slot> m_slots;  // log order; kept when emptied, so a reload does not regrow it
    std::vector<Keys> m_keys;   // one per slot
    std::size_t m_live = 0;
    Id m_nextId = 0;
    TextCodes m_bands;  // the band texts as the host gave them (NameBand)
    TextCodes m_countries;
    TextCodes m_provinces;
    CallBandIndex m_byCallBand;
    std::vector<BandIndex> m_byBand;  // by band code
};
