#include "tools/synthetic_log.h"

#include <random>
#include <string>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"

namespace host {
namespace {

// Foreign stations outside the call-area countries, with their call prefix.
const char* const kDxCountries[] = {"DL", "UA", "I", "F", "G", "OK", "SP"};

template <typename T, std::size_t N>
const T& Pick(const T (&table)[N], std::mt19937& random) {
    return table[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// A suffix of its own for every QSO number (A..Z, AA..ZZ, AAA..), so that
// the only duplicates are the ones made on purpose below: every duplicate
// adds lines to the bad-QSO file, which each removal reads and rewrites.
std::string Suffix(int number) {
    std::string out;
    for (int n = number + 1; n > 0; n = (n - 1) / 26)
        out.insert(out.begin(), static_cast<char>('A' + (n - 1) % 26));
    return out;
}

struct Station {
    std::string prefix;   // call prefix without digit
    const char* country;  // EADX100 entity prefix
    bool spanish;
};

// A Spanish, a call-area or another station, about 1 : 1 : 1.5, from the
// contest's tables; a US station's call begins with K or W.
Station PickStation(std::mt19937& random) {
    const int kind = std::uniform_int_distribution<int>(0, 6)(random);
    if (kind < 2) {
        const char* country = Pick(kSpanishCountries, random);
        return {"EA", country, true};
    }
    if (kind < 4) {
        const char* country = Pick(kCallAreaKind, random).country;
        const bool w = country == std::string("K") && kind == 3;
        return {w ? "W" : country, country, false};
    }
    const char* country = Pick(kDxCountries, random);
    return {country, country, false};
}

// One QSO in this many repeats an earlier one on its band.
constexpr int kDupeEvery = 500;

}  // namespace

std::vector<Qso> MakeSyntheticLog(int count, std::uint32_t state) {
    std::mt19937 random(state);
    std::vector<Qso> log;
    double start = OleValue(2017, 2, 11, 12, 0, 0);
    for (int i = 0; i < count; ++i) {
        const Station station = PickStation(random);
        const BandSpec& band = kBands[kContestBandRows[std::uniform_int_distribution<std::size_t>(
            0, kContestBandRows.size() - 1)(random)]];
        char digit = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        Qso qso;
        qso.callPrefix = station.prefix + digit;
        qso.call = qso.callPrefix + Suffix(i);
        qso.country = station.country;
        qso.band = band.text;
        qso.freqHz = static_cast<std::uint32_t>(band.wholeMHz) * 1000000u + 80000u +
                     std::uniform_int_distribution<std::uint32_t>(0, 40000)(random);
        qso.mode = "RTTY";
        qso.time = OleDate{start + i * (20.0 / 86400.0), OleDate::valid};  // one every 20 s
        qso.rstSent = "599";
        qso.rstReceived = "599";
        qso.exchSent = std::to_string(i % 9999 + 1);
        qso.exchReceived =
            station.spanish ? Pick(kProvinceCodes, random)
                            : std::to_string(std::uniform_int_distribution<int>(1, 9999)(random));
        if (i % kDupeEvery == kDupeEvery - 1) {
            const Qso& earlier = log[static_cast<std::size_t>(i / 2)];
            qso.call = earlier.call;
            qso.callPrefix = earlier.callPrefix;
            qso.country = earlier.country;
            qso.band = earlier.band;
            qso.freqHz = earlier.freqHz;
            qso.exchReceived = earlier.exchReceived;
        }
        log.push_back(qso);
    }
    return log;
}

}  // namespace host
