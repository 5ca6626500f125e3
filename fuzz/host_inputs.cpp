#include "fuzz/host_inputs.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"

namespace fuzzin {

namespace {

// Plain arrays, not strings: a table built on first use would stay allocated
// after the run that built it, and libFuzzer would run that input twice to
// look for a leak.
constexpr std::string_view kCalls[] = {"EA4URE", "EA4ABC",  "EA8XYZ", "K1ABC",  "W6XYZ",  "JA1ABC",
                                       "JA7XYZ", "VE3ABC",  "VK2XYZ", "DL1ABC", "UR5EQF", "G4ABC",
                                       "",       "EA4UREX", "K1AB",   "ea4ure"};
constexpr std::string_view kBands[] = {"20m",  "20M", "40m", "80m",  "15m", "10m",
                                       "160m", "",    "30m", "20m ", "80M", "10m"};
constexpr std::string_view kModes[] = {"RTTY", "RTTY", "RTTY", "rtty", "PSK", "", "RTTY "};
constexpr std::string_view kCountries[] = {"EA", "EA6", "EA8", "EA9", "K", "VE", "VK",
                                           "JA", "DL",  "UA",  "ea",  "",  "W",  "UR"};
constexpr std::string_view kPrefixes[] = {"EA4", "K1", "W6",  "JA1", "VE3", "VK2",
                                          "DL1", "JA", "K12", "",    "9",   "EA8"};
constexpr std::string_view kExchanges[] = {"M",     " m ", "HQ", "hq",  "XX", "599", "0599", "1234",
                                           "12345", "abc", "",   " HQ", "B",  "001", "m"};
constexpr std::string_view kReports[] = {"599", "59", "", "5NN"};
constexpr std::string_view kVersions[] = {"2.20", "2.19", "2.18", "3.1.1", "2.14R", ""};

// Picks from here to 199 draw the contest's own rows, where the field has them.
constexpr std::uint8_t kFirstRowPick = 100;
static_assert(std::size(kProvinceCodes) + 1 <= 200 - kFirstRowPick, "every province reachable");

struct Table {
    const std::string_view* texts;
    std::size_t size;
};

template <std::size_t N>
constexpr Table Of(const std::string_view (&texts)[N]) {
    return {texts, N};
}

Table TableOf(Field field) {
    constexpr Table tables[] = {Of(kCalls),    Of(kBands),     Of(kModes),   Of(kCountries),
                                Of(kPrefixes), Of(kExchanges), Of(kReports), Of(kVersions)};
    return tables[static_cast<int>(field)];
}

// The contest's own rows of a field: every band, Spanish and call-area
// country and province its tables hold, so a row added there is drawn here.
// Empty for the fields the tables have no rows of.
std::string_view TableRow(Field field, std::size_t pick) {
    constexpr std::size_t kSpanish = std::size(kSpanishCountries);
    switch (field) {
        case Field::kBand:
            return ::kBands[pick % kBandRows].text;  // the contest's, not the table above
        case Field::kCountry:
            pick %= kSpanish + kCallAreaKinds;
            return pick < kSpanish ? kSpanishCountries[pick]
                                   : kCallAreaKind[pick - kSpanish].country;
        case Field::kExchange:
            pick %= std::size(kProvinceCodes) + 1;
            return pick < std::size(kProvinceCodes) ? kProvinceCodes[pick] : kHqExchange;
        default:
            return {};
    }
}

std::string LongText(ByteSource& in) {
    const std::size_t length = in.LongTextLength(in.Raw<std::uint16_t>());
    std::string pattern = in.Bytes(1 + in.Byte() % 8);
    if (pattern.empty()) pattern = "A";
    std::string text;
    while (text.size() < length) text += pattern;
    return text.substr(0, length);
}

}  // namespace

std::string Text(ByteSource& in, Field field) {
    const std::uint8_t b = in.Byte();
    if (b >= kFirstRowPick && b < 200 && !TableRow(field, 0).empty()) {
        return std::string(TableRow(field, b - kFirstRowPick));
    }
    if (b < 200) {
        const Table table = TableOf(field);
        return std::string(table.texts[b % table.size]);
    }
    if (b < 250) return in.Bytes(b - 200u);
    if (b < 255) return in.Bytes(in.Byte());
    return LongText(in);
}

COleDateTime Date(ByteSource& in) {
    static const double kStart = 42840.5;  // 15 April 2017, 12:00
    static const double kValues[] = {
        kStart,
        kStart + 1 / 1440.0,
        kStart + 9 / 1440.0,
        kStart + 9.99 / 1440.0,
        kStart + 10 / 1440.0,
        kStart + 59.99 / 1440.0,
        kStart + 60 / 1440.0,
        kStart - 5 / 1440.0,
        kStart + 1.0,
        0.0,
        -1.25,
        -0.5,
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        2958465.99999,
        -657434.0,
        -657435.0,
        1e300,
        5e-324,
    };
    const std::uint8_t pick = in.Byte();
    const double value =
        pick < 200 ? kValues[pick % (sizeof kValues / sizeof *kValues)] : in.Raw<double>();
    const std::uint8_t s = in.Byte();
    std::int32_t status = COleDateTime::valid;
    if (s >= 200 && s < 220) status = COleDateTime::invalid;
    if (s >= 220 && s < 240) status = COleDateTime::null;
    if (s >= 240 && s < 255) status = 3 + (s - 240);
    if (s == 255) status = in.Raw<std::int32_t>();
    return COleDateTime(value, static_cast<COleDateTime::Status>(status));
}

std::uint32_t Frequency(ByteSource& in) {
    static const std::uint32_t kValues[] = {14080000u, 7040000u, 3580000u, 21080000u,  28080000u,
                                            1838000u,  0u,       999u,     4294967295u};
    const std::uint8_t b = in.Byte();
    return b < 200 ? kValues[b % (sizeof kValues / sizeof *kValues)] : in.Raw<std::uint32_t>();
}

QsoArgs Qso(ByteSource& in) {
    QsoArgs q;
    q.call = Text(in, Field::kCall);
    q.band = Text(in, Field::kBand);
    q.mode = Text(in, Field::kMode);
    q.country = Text(in, Field::kCountry);
    q.callPrefix = Text(in, Field::kPrefix);
    q.exchReceived = Text(in, Field::kExchange);
    q.exchSent = Text(in, Field::kExchange);
    q.rstReceived = Text(in, Field::kReport);
    q.rstSent = Text(in, Field::kReport);
    q.ownCall = Text(in, Field::kCall);
    q.time = Date(in);
    q.freqHz = Frequency(in);
    return q;
}

CheckArgs Check(ByteSource& in) {
    CheckArgs c;
    c.call = Text(in, Field::kCall);
    c.mode = Text(in, Field::kMode);
    c.callPrefix = Text(in, Field::kPrefix);
    c.country = Text(in, Field::kCountry);
    c.band = Text(in, Field::kBand);
    const std::uint8_t how = in.Byte();
    c.hasBand = (how & 1) == 0;
    c.hasBand2 = (how & 2) == 0;
    c.band2 = (how & 4) == 0 ? c.band : Text(in, Field::kBand);
    if (!c.hasBand) c.band.clear();
    if (!c.hasBand2) c.band2.clear();
    return c;
}

ResetArgs Reset(ByteSource& in) {
    ResetArgs r;
    r.exportRequest = in.Byte() % 4 == 0 ? 1 : 0;
    r.ownCall = Text(in, Field::kCall);
    r.ownCountry = Text(in, Field::kCountry);
    r.start = Date(in);
    r.end = Date(in);
    return r;
}

}  // namespace fuzzin
