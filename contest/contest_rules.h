// The contest's fixed rules: bands, modes, provinces and country groups.
#pragma once

#include <string>
#include <vector>

// A list of texts whose membership test ignores letter case.
class CContestRules {
  public:
    CContestRules(const char* const* texts, int count);
    virtual ~CContestRules() = default;

    bool Contains(const std::string& text) const;
    int GetSize() const { return static_cast<int>(m_entries.size()); }
    const std::string& GetAt(int i) const { return m_entries[static_cast<size_t>(i)]; }

  private:
    std::vector<std::string> m_entries;
};

const CContestRules& ValidBands();  // "80m", "80m", "40m", "20m", "15m", "10m"
const CContestRules& ValidModes();  // "RTTY"

constexpr int kBandRows = 6;  // 160m, 80m, 40m, 20m, 15m, 10m
extern const char* const kBandTexts[kBandRows];
extern const char* const kHqCall;  // "EA4URE"

// Row of an exact band text ("160m" 0 ... "10m" 5), or -1 when it has none.
int BandRow(const std::string& band);

bool IsProvinceCode(const std::string& text);
bool IsSpanishCountry(const std::string& country);
bool IsRussianCaptionCountry(const std::string& country);
bool IsCallAreaCountry(const std::string& country);  // "K", "VE", "VK", "JA"
