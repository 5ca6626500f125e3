#include "contest/contest_rules.h"

#include <string_view>

#include "contest/call_area_kinds.h"
#include "contest/text_util.h"

namespace {

const char* const kModeTable[] = {"RTTY"};

const char* const kRussianCaptions[] = {"UA", "UA2", "UA2/f", "UR", "UN", "EU"};

// kBands' texts with their lengths, measured once: every add and every
// keystroke's check looks a band up.
constexpr std::array<std::string_view, kBandRows> kBandTexts = [] {
    std::array<std::string_view, kBandRows> texts{};
    for (std::size_t row = 0; row < texts.size(); ++row) texts[row] = kBands[row].text;
    return texts;
}();

// Whether `text` equals an entry, byte for byte.
template <typename Table>
bool InTable(const Table& table, const std::string& text) {
    for (const char* entry : table) {
        if (text == entry) return true;
    }
    return false;
}

}  // namespace

const char* const kHqCall = "EA4URE";
const char* const kHqExchange = "HQ";

CContestRules::CContestRules(const char* const* texts, int count) {
    for (int i = 0; i < count; ++i) m_entries.emplace_back(texts[i]);
}

bool CContestRules::Contains(const std::string& text) const {
    for (const std::string& entry : m_entries) {
        if (EqualsIgnoreCase(entry, text)) return true;
    }
    return false;
}

const CContestRules& ValidModes() {
    static const CContestRules modes(kModeTable, 1);
    return modes;
}

BandName NameBand(const std::string& band) {
    for (int row = 0; row < kBandRows; ++row) {
        const std::string_view text = kBandTexts[static_cast<std::size_t>(row)];
        if (EqualsIgnoreCase(band, text)) return {row, band == text};
    }
    return {};
}

bool IsContestBand(const std::string& band) { return IsContestRow(NameBand(band).row); }

int BandRow(const std::string& band) {
    const BandName name = NameBand(band);
    return name.tableSpelling ? name.row : kNoBandRow;
}

bool IsProvinceCode(const std::string& text) {
    return InTable(kProvinceCodes, text) || text == kHqExchange;
}
bool IsSpanishCountry(const std::string& country) { return InTable(kSpanishCountries, country); }
bool IsRussianCaptionCountry(const std::string& country) {
    return InTable(kRussianCaptions, country);
}
bool IsCallAreaCountry(const std::string& country) {
    for (const CallAreaKind& kind : kCallAreaKind) {
        if (country == kind.country) return true;
    }
    return false;
}
