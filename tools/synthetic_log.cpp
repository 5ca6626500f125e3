#include "tools/synthetic_log.h"

#include <random>
#include <string>

namespace host {
namespace {

struct Station {
    const char* prefix;   // call prefix without digit
    const char* country;  // EADX100 entity prefix
    bool spanish;
};

const Station kStations[] = {
    {"EA", "EA", true},  {"EA", "EA6", true}, {"EA", "EA8", true}, {"EA", "EA9", true},
    {"K", "K", false},   {"W", "K", false},   {"VE", "VE", false}, {"JA", "JA", false},
    {"VK", "VK", false}, {"DL", "DL", false}, {"UA", "UA", false}, {"I", "I", false},
    {"F", "F", false},   {"G", "G", false},   {"OK", "OK", false}, {"SP", "SP", false},
};
const char* const kProvinces[] = {"M", "B", "V", "SE", "MA", "A", "TF", "GC", "IB", "ML", "CE"};
const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
const std::uint32_t kBandHz[] = {3580000, 7040000, 14080000, 21080000, 28080000};

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

// One QSO in this many repeats an earlier one on its band.
constexpr int kDupeEvery = 500;

}  // namespace

std::vector<Qso> MakeSyntheticLog(int count, std::uint32_t state) {
    std::mt19937 random(state);
    std::vector<Qso> log;
    double start = OleValue(2017, 2, 11, 12, 0, 0);
    for (int i = 0; i < count; ++i) {
        const Station& station = Pick(kStations, random);
        std::size_t band = std::uniform_int_distribution<std::size_t>(0, 4)(random);
        char digit = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        Qso qso;
        qso.callPrefix = std::string(station.prefix) + digit;
        qso.call = qso.callPrefix + Suffix(i);
        qso.country = station.country;
        qso.band = kBands[band];
        qso.freqHz = kBandHz[band] + std::uniform_int_distribution<std::uint32_t>(0, 40000)(random);
        qso.mode = "RTTY";
        qso.time = OleDate{start + i * (20.0 / 86400.0), OleDate::valid};  // one every 20 s
        qso.rstSent = "599";
        qso.rstReceived = "599";
        qso.exchSent = std::to_string(i % 9999 + 1);
        qso.exchReceived =
            station.spanish ? Pick(kProvinces, random)
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
