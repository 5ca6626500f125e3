#include "tools/cty_file.h"

#include <cctype>
#include <cstdlib>

#include "tools/call_prefix.h"

namespace cty {
namespace {

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return std::string(text.substr(begin, end - begin));
}

double ToDouble(const std::string& text) { return std::strtod(text.c_str(), nullptr); }
int ToInt(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// Drops the override markers (..) [..] <..> {..} ~..~; an unclosed marker
// runs to the end of the token.
std::string StripOverrides(std::string_view token) {
    std::string out;
    char closing = '\0';
    for (char c : token) {
        if (closing != '\0') {
            if (c == closing) closing = '\0';
            continue;
        }
        switch (c) {
            case '(':
                closing = ')';
                break;
            case '[':
                closing = ']';
                break;
            case '<':
                closing = '>';
                break;
            case '{':
                closing = '}';
                break;
            case '~':
                closing = '~';
                break;
            default:
                out.push_back(c);
        }
    }
    return callsign::Normalise(out);
}

bool IsSeparator(char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); }

}  // namespace

CountryFile CountryFile::Parse(std::string_view text) {
    CountryFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view block = text.substr(start, end - start);
        if (!Trim(block).empty()) file.AddBlock(block);
        start = end + 1;
    }
    return file;
}

void CountryFile::AddBlock(std::string_view block) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (int i = 0; i < 8; ++i) {
        std::size_t colon = block.find(':', pos);
        if (colon == std::string_view::npos) {
            ++m_skippedBlocks;
            return;
        }
        fields.push_back(Trim(block.substr(pos, colon - pos)));
        pos = colon + 1;
    }
    Entity entity;
    entity.name = fields[0];
    entity.cqZone = ToInt(fields[1]);
    entity.ituZone = ToInt(fields[2]);
    entity.continent = fields[3];
    entity.latitude = ToDouble(fields[4]);
    entity.longitude = ToDouble(fields[5]);
    entity.utcOffset = ToDouble(fields[6]);
    entity.waeOnly = !fields[7].empty() && fields[7][0] == '*';
    entity.primaryPrefix = callsign::Normalise(fields[7].substr(entity.waeOnly ? 1 : 0));
    if (entity.name.empty() || entity.primaryPrefix.empty()) {
        ++m_skippedBlocks;
        return;
    }
    m_entities.push_back(entity);
    std::size_t index = m_entities.size() - 1;
    std::string_view aliases = block.substr(pos);
    std::size_t i = 0;
    while (i < aliases.size()) {
        while (i < aliases.size() && IsSeparator(aliases[i])) ++i;
        std::size_t j = i;
        while (j < aliases.size() && !IsSeparator(aliases[j])) ++j;
        if (j > i) AddAlias(aliases.substr(i, j - i), index);
        i = j;
    }
}

void CountryFile::AddAlias(std::string_view token, std::size_t entity) {
    bool exact = token[0] == '=';
    std::string alias = StripOverrides(exact ? token.substr(1) : token);
    if (alias.empty()) return;
    // A later entity does not take over an alias an earlier one claimed.
    if (exact) {
        m_exactCalls.emplace(alias, entity);
        return;
    }
    m_prefixes.emplace(alias, entity);
    if (alias.size() > m_longestPrefix) m_longestPrefix = alias.size();
}

const Entity* CountryFile::LongestPrefix(const std::string& text) const {
    std::size_t length = text.size() < m_longestPrefix ? text.size() : m_longestPrefix;
    for (; length > 0; --length) {
        auto it = m_prefixes.find(text.substr(0, length));
        if (it != m_prefixes.end()) return &m_entities[it->second];
    }
    return nullptr;
}

const Entity* CountryFile::Lookup(std::string_view call) const {
    std::string normal = callsign::Normalise(call);
    if (normal.empty()) return nullptr;
    auto exact = m_exactCalls.find(normal);
    if (exact != m_exactCalls.end()) return &m_entities[exact->second];
    callsign::Parts parts = callsign::Split(normal);
    if (!parts.designator.empty()) return LongestPrefix(parts.designator);
    exact = m_exactCalls.find(parts.home);
    if (exact != m_exactCalls.end()) return &m_entities[exact->second];
    return LongestPrefix(parts.home);
}

std::string CountryFile::PrimaryPrefix(std::string_view call) const {
    const Entity* entity = Lookup(call);
    return entity ? entity->primaryPrefix : std::string();
}

}  // namespace cty
