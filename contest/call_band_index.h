// The records of each (call, band) key, by position in the log: a flat
// open-addressing table of the newest position per key, and a link from
// each position to the next older one with the same key.  Lookups touch a
// couple of arrays instead of hash nodes spread over the heap.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class CallBandIndex {
  public:
    using Pos = std::uint32_t;
    static constexpr Pos kNone = UINT32_MAX;
    // True when the record at a position has the key looked for; asked only
    // for positions whose key hash is equal.
    using SameKey = std::function<bool(Pos)>;

    // Room for position `pos` and one more key, so that its Insert does not
    // allocate.
    void MakeRoom(Pos pos);
    // `pos` is the newest position with its key.
    void Insert(Pos pos, std::uint64_t hash, const SameKey& same);
    void Erase(Pos pos, std::uint64_t hash, const SameKey& same);
    Pos Newest(std::uint64_t hash, const SameKey& same) const;  // kNone when none
    Pos Older(Pos pos) const { return m_links[pos].older; }
    void clear();

  private:
    // A key's newest position, and the high half of its hash so that a probe
    // past other keys does not read their links.
    struct Bucket {
        Pos head = kNone;
        std::uint32_t tag = 0;
    };
    struct Link {
        std::uint64_t hash = 0;
        Pos older = kNone;
    };

    std::size_t BucketOf(std::uint64_t hash, const SameKey& same) const;  // of the key or empty
    std::size_t Home(Pos pos) const { return m_links[pos].hash & (m_heads.size() - 1); }
    void EmptyBucket(std::size_t bucket);
    void Grow();

    static std::uint32_t TagOf(std::uint64_t hash) {
        return static_cast<std::uint32_t>(hash >> 32);
    }

    std::vector<Bucket> m_heads = std::vector<Bucket>(16);  // a power of two in size
    std::size_t m_used = 0;
    std::vector<Link> m_links;  // by position
};
