#include "contest/log_store.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#ifdef STATS_CHECK_LOG_TAIL
#include <cstdio>
#include <cstdlib>
#endif

// Last() gives the last slot, so a removed QSO left there would still count
// in the rates and the last QSO's points.  The native builds stop the
// program at the removal that leaves one; the DLL compiles the check out.
void LogStore::ExpectLiveTail([[maybe_unused]] const std::vector<Keys>& keys) {
#ifdef STATS_CHECK_LOG_TAIL
    if (keys.empty() || keys.back().live) return;
    std::fprintf(stderr, "log rule broken: the last of %zu slots holds a removed QSO\n",
                 keys.size());
    std::abort();
#endif
}

namespace {

// Capacity for one more element, grown as push_back would grow it.
template <typename T>
void RoomForOne(std::vector<T>& items) {
    if (items.size() == items.capacity())
        items.reserve(std::max<std::size_t>(16, items.size() * 2));
}

}  // namespace

const CInfo& LogStore::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) throw std::out_of_range("log index");
    auto it = begin();
    for (int i = 0; i < index; ++i) ++it;
    return *it;
}

// The tail is never a removed slot, so the last slot is the last record.
const CInfo* LogStore::Last() const { return m_slots.empty() ? nullptr : &m_slots.back().info; }

LogStore::Keys LogStore::KeysOf(Id id, const CInfo& info) {
    Keys keys{};
    keys.id = id;
    keys.band = m_bands.Intern(info.m_band);
    keys.country = m_countries.Intern(info.m_country);
    keys.province = m_provinces.Intern(info.m_province);
    keys.dupe = info.m_dupe;
    keys.live = true;
    keys.counted = info.m_notCounted == 0;
    keys.hasCall = !info.m_call.empty();
    keys.hasProvince = !info.m_province.empty();
    keys.areaColumn = kCallAreaKinds;
    keys.area = -1;
    for (std::int8_t column = 0; column < kCallAreaKinds; ++column) {
        const std::int32_t area = info.*kCallAreaKind[column].field;
        if (area == -1) continue;
        keys.areaColumn = column;
        keys.area = area;
        break;
    }
    return keys;
}

// Strong guarantee: every step that may throw (interning the texts, room
// in each structure) comes before the first change a reader could see, and
// a failure among them forgets the texts it interned.
LogStore::Id LogStore::Add(CInfo info) {
    const std::size_t interned[] = {m_bands.size(), m_countries.size(), m_provinces.size()};
    const Pos pos = static_cast<Pos>(m_slots.size());
    Keys keys{};
    try {
        keys = KeysOf(m_nextId, info);
        MakeRoom(keys, pos);
        m_byBand[keys.band].ids.push_back(keys.id);  // the last step that may throw
    } catch (...) {
        m_bands.ForgetFrom(interned[0]);
        m_countries.ForgetFrom(interned[1]);
        m_provinces.ForgetFrom(interned[2]);
        throw;
    }
    m_keys.push_back(keys);
    m_slots.emplace_back(keys.id, std::move(info));
    ++m_nextId;
    ++m_live;
    Index(pos, +1);
    return keys.id;
}

void LogStore::MakeRoom(const Keys& keys, Pos pos) {
    RoomForOne(m_keys);
    RoomForOne(m_slots);
    if (keys.band >= m_byBand.size()) m_byBand.resize(keys.band + 1);
    BandIndex& band = m_byBand[keys.band];
    if (keys.country >= band.countries.size()) band.countries.resize(keys.country + 1);
    m_byCallBand.MakeRoom(pos);
}

std::size_t LogStore::PosOf(Id id) const {
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), id,
                                     [](const Keys& keys, Id wanted) { return keys.id < wanted; });
    if (it == m_keys.end() || it->id != id || !it->live) return m_slots.size();
    return static_cast<std::size_t>(it - m_keys.begin());
}

void LogStore::RemoveAt(Id id) {
    const std::size_t pos = PosOf(id);
    if (pos == m_slots.size()) return;
    Index(static_cast<Pos>(pos), -1);
    m_keys[pos].live = false;
    --m_live;
    m_slots[pos].info = CInfo();  // frees the texts now, not at compaction
    DropStaleFirsts(m_byBand[m_keys[pos].band]);
    DropDeadTail();
    if (m_live == 0) {
        ReleaseAll();
    } else {
        CompactIfSparse();
    }
    ExpectLiveTail(m_keys);
}

// A log emptied QSO by QSO gives its memory back, unlike one emptied for a
// reload.  Ids stay unique.
void LogStore::ReleaseAll() {
    const Id nextId = m_nextId;
    *this = LogStore();
    m_nextId = nextId;
}

void LogStore::RemoveAll() {
    // clear() keeps the capacity: the host reloads a log of about the same size.
    m_slots.clear();
    m_keys.clear();
    m_live = 0;
    m_bands.clear();
    m_countries.clear();
    m_provinces.clear();
    m_byCallBand.clear();
    m_byBand.clear();
}

// Takes removed ids off the front of the band's list, so that its first id
// is the band's first record.
void LogStore::DropStaleFirsts(BandIndex& band) {
    while (!band.ids.empty() && PosOf(band.ids.front()) == m_slots.size()) band.ids.pop_front();
}

void LogStore::DropDeadTail() {
    while (!m_keys.empty() && !m_keys.back().live) {
        m_keys.pop_back();
        m_slots.pop_back();
    }
}

// Once more than half of the slots are removed ones, the live records move
// together (amortised O(1) per removal); positions change, so the indexes are
// made afresh.
void LogStore::CompactIfSparse() {
    const std::size_t dead = m_slots.size() - m_live;
    if (dead <= m_live) return;
    std::size_t to = 0;
    for (std::size_t from = 0; from < m_slots.size(); ++from) {
        if (!m_keys[from].live) continue;
        if (to != from) {
            m_slots[to] = std::move(m_slots[from]);
            m_keys[to] = m_keys[from];
        }
        ++to;
    }
    m_slots.erase(m_slots.begin() + static_cast<std::ptrdiff_t>(to), m_slots.end());
    m_keys.resize(to);
    m_byCallBand.clear();
    m_byBand.clear();
    for (std::size_t pos = 0; pos < to; ++pos) {
        const Keys& keys = m_keys[pos];
        MakeRoom(keys, static_cast<Pos>(pos));
        m_byBand[keys.band].ids.push_back(keys.id);
        Index(static_cast<Pos>(pos), +1);
    }
}

// Adds (step +1) or takes out (step -1) the record at `pos` from the
// call-and-band index and the band's counts, without allocating: an add
// made room first.  The band's id list is kept by the callers.
void LogStore::Index(Pos pos, int step) {
    const Keys& keys = m_keys[pos];
    const CInfo& info = m_slots[pos].info;
    const CallBand key{info.m_call, keys.band};
    BandIndex& band = m_byBand[keys.band];
    if (step > 0) {
        m_byCallBand.Insert(pos, HashOf(key), SameAs(key));
    } else {
        m_byCallBand.Erase(pos, HashOf(key), SameAs(key));
    }
    band.countries[keys.country] += step;
    for (int kind = 0; kind < kCallAreaKinds; ++kind) {
        const std::int32_t area = info.*kCallAreaKind[kind].field;
        if (area >= 0 && area <= 9) band.areas[kind][area] += step;
    }
}

const LogStore::BandIndex* LogStore::BandOf(const std::string& band) const {
    const Code code = m_bands.Find(band);
    return code < m_byBand.size() ? &m_byBand[code] : nullptr;
}

std::uint64_t LogStore::HashOf(const CallBand& key) const {
    return std::hash<std::string>()(key.call) ^ (key.band + 1ull) * 0x9E3779B97F4A7C15ull;
}

CallBandIndex::SameKey LogStore::SameAs(const CallBand& key) const {
    return [this, &key](Pos pos) {
        return m_keys[pos].band == key.band && m_slots[pos].info.m_call == key.call;
    };
}

LogStore::Pos LogStore::NewestOf(const std::string& call, const std::string& band) const {
    const CallBand key{call, m_bands.Find(band)};
    if (key.band == TextCodes::kNone) return CallBandIndex::kNone;
    return m_byCallBand.Newest(HashOf(key), SameAs(key));
}

bool LogStore::HasCallOnBand(const std::string& call, const std::string& band) const {
    return NewestOf(call, band) != CallBandIndex::kNone;
}

int LogStore::CountSame(const std::string& call, const std::string& band,
                        const std::string& mode) const {
    int count = 0;
    for (Pos pos = NewestOf(call, band); pos != CallBandIndex::kNone;
         pos = m_byCallBand.Older(pos)) {
        if (m_slots[pos].info.m_mode == mode) ++count;
    }
    return count;
}

const CInfo* LogStore::NewestOnBand(const std::string& call, const std::string& band) const {
    const Pos pos = NewestOf(call, band);
    return pos == CallBandIndex::kNone ? nullptr : &m_slots[pos].info;
}

const CInfo* LogStore::FirstOnBand(const std::string& band) const {
    const BandIndex* index = BandOf(band);
    if (index == nullptr || index->ids.empty()) return nullptr;
    return &m_slots[PosOf(index->ids.front())].info;
}

bool LogStore::HasCountryOnBand(const std::string& band, const std::string& country) const {
    const BandIndex* index = BandOf(band);
    const Code code = m_countries.Find(country);
    return index != nullptr && code < index->countries.size() && index->countries[code] > 0;
}

bool LogStore::HasAreaOnBand(const std::string& band, const CInfo& info) const {
    const BandIndex* index = BandOf(band);
    if (index == nullptr) return false;
    for (int kind = 0; kind < kCallAreaKinds; ++kind) {
        const std::int32_t area = info.*kCallAreaKind[kind].field;
        if (area >= 0 && area <= 9 && index->areas[kind][area] > 0) return true;
    }
    return false;
}

const LogStore::Id* LogStore::FindQso(const std::string& call, const std::string& band,
                                      const std::string& mode, const COleDateTime& time) const {
    // The first in log order: the last match on the way from newest to oldest.
    const Id* first = nullptr;
    for (Pos pos = NewestOf(call, band); pos != CallBandIndex::kNone;
         pos = m_byCallBand.Older(pos)) {
        const Slot& slot = m_slots[pos];
        if (slot.info.m_mode == mode && slot.info.m_time.SameAs(time)) first = &slot.id;
    }
    return first;
}
