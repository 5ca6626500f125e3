// The contest's fixed rules: bands, modes, provinces and country groups.
#pragma once

#include <array>
#include <iterator>
#include <string>
#include <vector>

// A list of texts whose membership test ignores letter case.
class CContestRules {
  public:
    CContestRules(const char* const* texts, int count);

    bool Contains(const std::string& text) const;

  private:
    std::vector<std::string> m_entries;
};

// The bands the plug-in knows, one row each; a band's row (in the per-band
// lists and the windows) is its place here, and its text labels its row of
// the previous-QSO table.
struct BandSpec {
    const char* text;  // the host's band text
    int wholeMHz;      // the dial's whole megahertz on the band
    bool contest;      // counts in the contest: a QSO on it is taken, a call checked
};
inline constexpr BandSpec kBands[] = {
    {"160m", 1, false}, {"80m", 3, true},  {"40m", 7, true},
    {"20m", 14, true},  {"15m", 21, true}, {"10m", 28, true},
};
constexpr int kBandRows = static_cast<int>(std::size(kBands));

constexpr int CountContestBands() {
    int count = 0;
    for (const BandSpec& band : kBands) count += band.contest ? 1 : 0;
    return count;
}
constexpr int kContestBands = CountContestBands();

// How a band text finds its row, the one rule for every use.  A text names
// the row whose text it equals, letter case aside: the add and the call check
// take "20M" as the 20m contest band.  The log keeps a QSO's band text as the
// host gave it, and only the table's own spelling stands for its row in the
// per-band lists, the windows and a removal, so "20M" is a band of its own
// (its own dupes and result row) that no window shows.
constexpr int kNoBandRow = -1;
struct BandName {
    int row = kNoBandRow;        // the row named, letter case aside
    bool tableSpelling = false;  // spelled as the row's text
};
BandName NameBand(const std::string& band);
// Whether the row (kNoBandRow included) counts in the contest.
inline bool IsContestRow(int row) { return row != kNoBandRow && kBands[row].contest; }
// Whether the text names a row that counts in the contest.
bool IsContestBand(const std::string& band);
// The row a band text stands for: its named row when spelled as the table
// has it, kNoBandRow otherwise.
int BandRow(const std::string& band);

// The rows of the contest bands, in table order.
constexpr std::array<int, kContestBands> ContestBandRows() {
    std::array<int, kContestBands> rows{};
    std::size_t next = 0;
    for (int row = 0; row < kBandRows; ++row) {
        if (kBands[row].contest) rows[next++] = row;
    }
    return rows;
}
inline constexpr std::array<int, kContestBands> kContestBandRows = ContestBandRows();

const CContestRules& ValidModes();  // "RTTY"

extern const char* const kHqCall;      // "EA4URE"
extern const char* const kHqExchange;  // "HQ", the HQ station's only exchange

// The Spanish province codes, in the order of the province map's cells:
// alphabetical, but for SS before SO and TO before TF, as the map has them.
inline constexpr const char* kProvinceCodes[] = {
    "A",  "AB", "AL", "AV", "B",  "BA", "BI", "BU", "C",  "CA", "CC", "CE", "CO",
    "CR", "CS", "CU", "GC", "GI", "GR", "GU", "H",  "HU", "IB", "J",  "L",  "LE",
    "LO", "LU", "M",  "MA", "ML", "MU", "NA", "O",  "OU", "P",  "PO", "S",  "SA",
    "SE", "SG", "SS", "SO", "T",  "TE", "TO", "TF", "V",  "VA", "VI", "Z",  "ZA"};

// The country prefixes of a Spanish station: the province rule and its points.
inline constexpr const char* kSpanishCountries[] = {"EA", "EA6", "EA8", "EA9"};

// A province code or the HQ's exchange, compared exactly.
bool IsProvinceCode(const std::string& text);
bool IsSpanishCountry(const std::string& country);
bool IsRussianCaptionCountry(const std::string& country);
bool IsCallAreaCountry(const std::string& country);  // a row of kCallAreaKind
