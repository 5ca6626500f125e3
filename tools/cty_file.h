// A country file in the common cty.dat layout: one entity per block,
//   Name: CQ: ITU: Cont: Lat: Long: UTC offset: Primary prefix:
//       alias,alias,=EXACTCALL,...;
// with per-alias override markers (cq) [itu] <lat/long> {cont} ~tz~.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cty {

struct Entity {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    double latitude = 0;
    double longitude = 0;  // positive to the west, as the file has it
    double utcOffset = 0;
    std::string primaryPrefix;  // without the '*' of entities that count for WAE only
    bool waeOnly = false;
};

class CountryFile {
  public:
    // Never fails: a block without the eight header fields is skipped and
    // counted in SkippedBlocks().
    static CountryFile Parse(std::string_view text);

    // Exact calls first, then the longest matching alias; a portable call
    // is looked up by its designator (EA8/DL1ABC -> EA8).  Null if unknown.
    const Entity* Lookup(std::string_view call) const;
    // The entity's primary prefix, or "" when unknown.
    std::string PrimaryPrefix(std::string_view call) const;

    const std::vector<Entity>& Entities() const { return m_entities; }
    int SkippedBlocks() const { return m_skippedBlocks; }

  private:
    void AddBlock(std::string_view block);
    void AddAlias(std::string_view token, std::size_t entity);
    const Entity* LongestPrefix(const std::string& text) const;

    std::vector<Entity> m_entities;
    std::map<std::string, std::size_t> m_prefixes;
    std::map<std::string, std::size_t> m_exactCalls;
    std::size_t m_longestPrefix = 0;
    int m_skippedBlocks = 0;
};

}  // namespace cty
