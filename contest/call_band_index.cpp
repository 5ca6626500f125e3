#include "contest/call_band_index.h"

#include <algorithm>

std::size_t CallBandIndex::BucketOf(std::uint64_t hash, const SameKey& same) const {
    const std::size_t mask = m_heads.size() - 1;
    for (std::size_t bucket = hash & mask;; bucket = (bucket + 1) & mask) {
        const Bucket& b = m_heads[bucket];
        if (b.head == kNone) return bucket;
        if (b.tag == TagOf(hash) && m_links[b.head].hash == hash && same(b.head)) return bucket;
    }
}

void CallBandIndex::MakeRoom(Pos pos) {
    if (pos >= m_links.size()) m_links.resize(pos + 1);
    if ((m_used + 1) * 2 > m_heads.size()) Grow();
}

void CallBandIndex::Insert(Pos pos, std::uint64_t hash, const SameKey& same) {
    MakeRoom(pos);
    const std::size_t bucket = BucketOf(hash, same);
    if (m_heads[bucket].head == kNone) ++m_used;
    m_links[pos] = Link{hash, m_heads[bucket].head};
    m_heads[bucket] = Bucket{pos, TagOf(hash)};
}

void CallBandIndex::Erase(Pos pos, std::uint64_t hash, const SameKey& same) {
    const std::size_t bucket = BucketOf(hash, same);
    Pos* link = &m_heads[bucket].head;
    while (*link != kNone && *link != pos) link = &m_links[*link].older;
    if (*link == kNone) return;
    *link = m_links[pos].older;
    if (m_heads[bucket].head == kNone) EmptyBucket(bucket);
}

CallBandIndex::Pos CallBandIndex::Newest(std::uint64_t hash, const SameKey& same) const {
    return m_heads[BucketOf(hash, same)].head;
}

// Linear probing without tombstones: the heads after the emptied bucket
// move back when their home bucket allows it.
void CallBandIndex::EmptyBucket(std::size_t bucket) {
    const std::size_t mask = m_heads.size() - 1;
    std::size_t hole = bucket;
    for (std::size_t next = (hole + 1) & mask; m_heads[next].head != kNone;
         next = (next + 1) & mask) {
        const std::size_t home = Home(m_heads[next].head);
        // The head may fill the hole unless its home lies after the hole, up to it.
        const bool homeBetween =
            hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (homeBetween) continue;
        m_heads[hole] = m_heads[next];
        hole = next;
    }
    m_heads[hole] = Bucket();
    --m_used;
}

void CallBandIndex::Grow() {
    std::vector<Bucket> old(m_heads.size() * 2);
    old.swap(m_heads);
    const std::size_t mask = m_heads.size() - 1;
    for (const Bucket& b : old) {
        if (b.head == kNone) continue;
        std::size_t bucket = Home(b.head);
        while (m_heads[bucket].head != kNone) bucket = (bucket + 1) & mask;
        m_heads[bucket] = b;
    }
}

// Keeps the table's size: the host reloads a log of about the same size.
void CallBandIndex::clear() {
    std::fill(m_heads.begin(), m_heads.end(), Bucket());
    m_used = 0;
    m_links.clear();
}
