#include "contest/contest_rules.h"

#include <cstring>

#include "contest/text_util.h"

namespace {

const char* const kBandTable[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kModeTable[] = {"RTTY"};

// The 52 province codes and the HQ, which stands twice.
const char* const kProvinces[] = {
    "A",  "AB", "AL", "AV", "B",  "BA", "BI", "BU", "C",  "CA", "CC", "CE", "CO",   "CR",
    "CS", "CU", "GC", "GI", "GR", "GU", "H",  "HQ", "HU", "IB", "J",  "L",  "LE",   "LO",
    "LU", "M",  "MA", "ML", "MU", "NA", "O",  "OU", "P",  "PO", "S",  "SA", "SE",   "SG",
    "SO", "SS", "T",  "TE", "TF", "TO", "V",  "VA", "VI", "Z",  "ZA", "HQ", nullptr};

const char* const kSpanish[] = {"EA", "EA6", "EA8", "EA9", nullptr};
const char* const kRussianCaptions[] = {"UA", "UA2", "UA2/f", "UR", "UN", "EU", nullptr};
const char* const kCallAreaCountries[] = {"K", "VE", "VK", "JA", nullptr};

bool InTable(const char* const* table, const std::string& text) {
    for (; *table; ++table) {
        if (text == *table) return true;
    }
    return false;
}

}  // namespace

const char* const kBandTexts[kBandRows] = {"160m", "80m", "40m", "20m", "15m", "10m"};
const char* const kHqCall = "EA4URE";

CContestRules::CContestRules(const char* const* texts, int count) {
    for (int i = 0; i < count; ++i) m_entries.emplace_back(texts[i]);
}

bool CContestRules::Contains(const std::string& text) const {
    for (const std::string& entry : m_entries) {
        if (EqualsIgnoreCase(entry, text)) return true;
    }
    return false;
}

const CContestRules& ValidBands() {
    static const CContestRules bands(kBandTable, 6);
    return bands;
}

const CContestRules& ValidModes() {
    static const CContestRules modes(kModeTable, 1);
    return modes;
}

int BandRow(const std::string& band) {
    for (int row = 0; row < kBandRows; ++row) {
        if (band == kBandTexts[row]) return row;
    }
    return -1;
}

bool IsProvinceCode(const std::string& text) { return InTable(kProvinces, text); }
bool IsSpanishCountry(const std::string& country) { return InTable(kSpanish, country); }
bool IsRussianCaptionCountry(const std::string& country) {
    return InTable(kRussianCaptions, country);
}
bool IsCallAreaCountry(const std::string& country) { return InTable(kCallAreaCountries, country); }
