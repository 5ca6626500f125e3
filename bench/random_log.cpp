#include "bench/random_log.h"

#include <random>
#include <string>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"

namespace benchlog {

namespace {

const char* const kDxCountries[] = {
    "DL", "G",  "F",  "I",   "SP", "UA", "UR", "OK",  "OM", "HA", "YO", "LZ", "SV", "9A", "S5",
    "YU", "E7", "Z3", "ON",  "PA", "LX", "HB", "OE",  "OZ", "SM", "LA", "OH", "ES", "YL", "LY",
    "EU", "UN", "4X", "SU",  "CT", "CU", "EI", "GM",  "GW", "PY", "LU", "CE", "XE", "ZS", "VU",
    "BY", "HL", "BV", "9M2", "YB", "DU", "ZL", "KH6", "KL", "ER", "4L", "EK", "TA", "5B", "IS"};
constexpr double kContestStart = 42840.5;  // 15 April 2017, 12:00
constexpr double kContestDays = 2.0;

class Maker {
  public:
    explicit Maker(std::uint32_t stream) : m_random(stream) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(int percent) { return Below(1000) < percent * 10; }
    template <typename T, size_t N>
    const T& Pick(const T (&table)[N]) {
        return table[Below(static_cast<int>(N))];
    }
    const char* ContestBand() { return kBands[kContestBandRows[Below(kContestBands)]].text; }

    std::string Suffix() {
        std::string s;
        // Mostly three letters, so that two stations rarely share a call by chance.
        for (int i = Chance(20) ? 2 : 3; i > 0; --i) s += static_cast<char>('A' + Below(26));
        return s;
    }

    // Country, call prefix and call of one station.
    void Station(QsoArgs& q) {
        const int kind = Below(100);
        if (kind < 15) {
            q.country = Pick(kSpanishCountries);
            q.callPrefix = q.country + std::to_string(Below(10));
        } else if (kind < 35) {
            q.country = Pick(kCallAreaKind).country;
            const char* const letters = q.country == "K" ? "KWN" : "";
            q.callPrefix = (*letters ? std::string(1, letters[Below(3)]) : q.country) +
                           std::to_string(Below(10));
        } else {
            q.country = Pick(kDxCountries);
            q.callPrefix = q.country + std::to_string(Below(10));
        }
        q.call = q.callPrefix + Suffix();
    }

    QsoArgs Qso(std::size_t serial, std::size_t count) {
        QsoArgs q;
        q.ownCall = "UR5EQF";
        Station(q);
        q.band = ContestBand();
        q.mode = "RTTY";
        q.rstSent = q.rstReceived = "599";
        q.exchSent = std::to_string(serial % 10000);
        if (IsSpanishCountry(q.country)) {
            q.exchReceived = Chance(1) ? "XX" : Pick(kProvinceCodes);
        } else {
            q.exchReceived = std::to_string(1 + Below(2000));
        }
        const double day =
            kContestStart + kContestDays * static_cast<double>(serial) / static_cast<double>(count);
        q.time = COleDateTime(day, COleDateTime::valid);
        q.freqHz = 14080000u + static_cast<std::uint32_t>(Below(20000)) * 10u;
        return q;
    }

  private:
    std::mt19937 m_random;
};

}  // namespace

std::vector<QsoArgs> RandomQsos(std::size_t count, std::uint32_t stream) {
    Maker make(stream);
    std::vector<QsoArgs> log;
    log.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        QsoArgs q = make.Qso(i, count);
        if (!log.empty() && make.Chance(3)) {
            // The same station again on the same band: a duplicate.
            const QsoArgs& earlier =
                log[static_cast<size_t>(make.Below(static_cast<int>(log.size())))];
            q.call = earlier.call;
            q.callPrefix = earlier.callPrefix;
            q.country = earlier.country;
            q.band = earlier.band;
            q.exchReceived = earlier.exchReceived;
        } else if (make.Below(2000) == 0) {  // the HQ, now and then on each band
            q.call = "EA4URE";
            q.callPrefix = "EA4";
            q.country = "EA";
            q.exchReceived = "HQ";
        }
        if (make.Chance(1)) q.band = "160m";  // refused
        log.push_back(q);
    }
    return log;
}

std::vector<CheckArgs> RandomChecks(const std::vector<QsoArgs>& log, std::size_t count,
                                    std::uint32_t stream) {
    Maker make(stream);
    std::vector<CheckArgs> checks;
    for (std::size_t i = 0; i < count; ++i) {
        const int kind = make.Below(4);
        QsoArgs q = kind < 2 && !log.empty()
                        ? log[static_cast<size_t>(make.Below(static_cast<int>(log.size())))]
                        : make.Qso(i, count);
        if (kind == 1) q.band = make.ContestBand();  // the same station on some band
        checks.push_back(CheckOf(q));
    }
    return checks;
}

}  // namespace benchlog
