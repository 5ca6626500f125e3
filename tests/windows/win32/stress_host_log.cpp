#include "tests/windows/win32/stress_host_log.h"

#include <algorithm>
#include <string>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"

namespace stress {
namespace {

constexpr int kMinutesPerDay = 1440;
constexpr double kFirstDay = 42777.0;  // 2017-02-11, the contest's first day

// Other stations: no call of these shapes holds another one (no prefix
// ends in another), which is why a US call begins with W, never K.
const char* const kDxCountries[] = {"DL", "OK"};

int Draw(std::mt19937& random, int last) {
    return std::uniform_int_distribution<int>(0, last)(random);
}

template <typename T, std::size_t N>
const T& Pick(const T (&table)[N], std::mt19937& random) {
    return table[Draw(random, static_cast<int>(N) - 1)];
}

// Letters A to Y: the own call ends in ZZZ, so no call lies inside it.
std::string Suffix(std::mt19937& random) {
    std::string suffix;
    for (int i = 0; i < 3; ++i) suffix += static_cast<char>('A' + Draw(random, 24));
    return suffix;
}

bool IsSpanish(const std::string& country) {
    return std::any_of(std::begin(kSpanishCountries), std::end(kSpanishCountries),
                       [&](const char* spanish) { return country == spanish; });
}

// A Spanish station one time in four, a call-area one in two, else another.
std::string DrawCountry(std::mt19937& random) {
    const int kind = Draw(random, 3);
    if (kind == 0) return Pick(kSpanishCountries, random);
    if (kind < 3) return Pick(kCallAreaKind, random).country;
    return Pick(kDxCountries, random);
}

// A contest band's row, on its whole megahertz.
const BandSpec& DrawBand(std::mt19937& random) {
    return kBands[kContestBandRows[static_cast<std::size_t>(Draw(random, kContestBands - 1))]];
}

std::uint32_t BandHz(const BandSpec& band) {
    return static_cast<std::uint32_t>(band.wholeMHz) * 1000000u + 80000u;
}

host::Qso FreshQso(std::mt19937& random) {
    const std::string country = DrawCountry(random);
    const BandSpec& band = DrawBand(random);
    host::Qso q;
    const std::string prefix = country == "K" ? "W" : country;
    const bool hasDigit = prefix.back() <= '9';
    q.callPrefix = hasDigit ? prefix : prefix + std::to_string(Draw(random, 9));
    q.call = q.callPrefix + Suffix(random);
    q.country = country;
    q.band = band.text;
    q.freqHz = BandHz(band) + static_cast<std::uint32_t>(Draw(random, 40000));
    q.mode = "RTTY";
    // Serials of up to three digits: none reads like the four digits of a
    // time that a removal looks for.
    q.exchReceived =
        IsSpanish(country) ? Pick(kProvinceCodes, random) : std::to_string(Draw(random, 998) + 1);
    if (Draw(random, 49) == 0) {  // the HQ station, now and then sending nonsense
        q.call = "EA4URE";
        q.callPrefix = "EA4";
        q.country = "EA";
        q.exchReceived = Draw(random, 3) == 0 ? "M" : "HQ";
    }
    return q;
}

// What makes a QSO refused or flagged.
void Spoil(host::Qso& q, std::mt19937& random) {
    switch (Draw(random, 39)) {
        case 0:
            q.band = "160m";
            q.freqHz = 1830000;
            break;
        case 1:
            q.mode = "PSK31";
            break;
        case 2:
            q.exchReceived = "";
            break;
        case 3:
            if (IsSpanish(q.country)) q.exchReceived = "XX";
            break;
        default:
            break;
    }
}

}  // namespace

HostLog::HostLog() : m_minuteTaken(kMinutesPerDay, false) { m_entries.reserve(kCapacity); }

std::vector<host::Qso> HostLog::Anchors() {
    std::vector<host::Qso> anchors;
    for (int band = 0; band < kContestBands; ++band) {
        const BandSpec& spec = kBands[kContestBandRows[static_cast<std::size_t>(band)]];
        host::Qso q;
        q.call = std::string("OK1AA") + static_cast<char>('A' + band);
        q.callPrefix = "OK1";
        q.country = "OK";
        q.band = spec.text;
        q.freqHz = BandHz(spec);
        q.mode = "RTTY";
        q.exchReceived = "1";
        q.time = {kFirstDay + (band + 0.5) / kMinutesPerDay, host::OleDate::valid};
        q.rstSent = q.rstReceived = "599";
        q.exchSent = "001";
        anchors.push_back(q);
    }
    return anchors;
}

int HostLog::FreeMinute(int wanted) const {
    for (int i = 0; i < kMinutesPerDay; ++i) {
        const int minute = (wanted + i) % kMinutesPerDay;
        if (!m_minuteTaken[static_cast<std::size_t>(minute)]) return minute;
    }
    return wanted;  // not reached: the log never holds a minute of each
}

host::Qso HostLog::MakeQso(std::mt19937& random) const {
    host::Qso q = FreshQso(random);
    const int dupe = Draw(random, 9);
    const int earlier = Draw(random, static_cast<int>(m_entries.size()));
    if (dupe == 0 && static_cast<std::size_t>(earlier) < m_entries.size()) {
        const host::Qso& e = m_entries[static_cast<std::size_t>(earlier)].qso;
        q.call = e.call;
        q.callPrefix = e.callPrefix;
        q.country = e.country;
        q.band = e.band;
        q.freqHz = e.freqHz;
        q.mode = e.mode;
        q.exchReceived = e.exchReceived;
    }
    Spoil(q, random);
    const int minute = FreeMinute(Draw(random, kMinutesPerDay - 1));
    // Half a minute in, so the minute shown never depends on rounding.
    q.time = {kFirstDay + Draw(random, 1) + (minute + 0.5) / kMinutesPerDay, host::OleDate::valid};
    q.rstSent = q.rstReceived = "599";
    q.exchSent = "001";
    return q;
}

void HostLog::Add(const host::Qso& qso, int entered) {
    const double dayPart = qso.time.value - static_cast<long long>(qso.time.value);
    const int minute = static_cast<int>(dayPart * kMinutesPerDay) % kMinutesPerDay;
    m_minuteTaken[static_cast<std::size_t>(minute)] = true;
    m_entries.push_back({qso, entered, minute});
}

bool HostLog::PickRemoval(std::mt19937& random, std::size_t* index) const {
    const std::size_t fixed = Anchors().size();
    const int drawn = Draw(random, static_cast<int>(kCapacity));
    if (m_entries.size() <= fixed) return false;
    std::size_t i = fixed + static_cast<std::size_t>(drawn) % (m_entries.size() - fixed);
    const host::Qso& chosen = m_entries[i].qso;
    for (std::size_t j = i + 1; j < m_entries.size(); ++j) {
        const host::Qso& later = m_entries[j].qso;
        if (later.call == chosen.call && later.band == chosen.band && later.mode == chosen.mode)
            i = j;
    }
    *index = i;
    return true;
}

void HostLog::Erase(std::size_t index) {
    m_minuteTaken[static_cast<std::size_t>(m_entries[index].minute)] = false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace stress
