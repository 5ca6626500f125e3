// Small numbers for the texts of one kind (bands, countries, provinces), so
// that a pass over the log indexes arrays instead of hashing texts.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TextCodes {
  public:
    using Code = std::uint32_t;
    static constexpr Code kNone = UINT32_MAX;

    Code Intern(const std::string& text);
    Code Find(const std::string& text) const;  // kNone when never interned
    const std::string& Text(Code code) const { return m_texts[code]; }
    std::size_t size() const { return m_texts.size(); }
    void clear();
    // Forgets the texts interned after the first `count` (an add that failed).
    void ForgetFrom(std::size_t count);

  private:
    std::vector<std::string> m_texts;
    std::unordered_map<std::string, Code> m_codes;
};
