#include "tests/support/reference_scan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "contest/contest_rules.h"
#include "tests/support/own_rules.h"

namespace reference {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

bool IsAreaCountry(const std::string& country) {
    return own_rules::CallAreaCountry("reference call check", country);
}

// The last digit of the prefix, or -1.
int AreaDigit(const std::string& prefix) {
    int area = -1;
    for (char c : prefix) {
        if (c >= '0' && c <= '9') area = c - '0';
    }
    return area;
}

CInfo Scratch(const CheckArgs& args) {
    CInfo info;
    const int area = AreaDigit(args.callPrefix);
    if (args.country == "K") info.m_areaK = area;
    if (args.country == "VE") info.m_areaVE = area;
    if (args.country == "VK") info.m_areaVK = area;
    if (args.country == "JA") info.m_areaJA = area;
    return info;
}

bool SameArea(const CInfo& a, const CInfo& b) {
    return (a.m_areaJA != -1 && a.m_areaJA == b.m_areaJA) ||
           (a.m_areaVE != -1 && a.m_areaVE == b.m_areaVE) ||
           (a.m_areaVK != -1 && a.m_areaVK == b.m_areaVK) ||
           (a.m_areaK != -1 && a.m_areaK == b.m_areaK);
}

CallVerdict AreaVerdict(const Log& log, const CheckArgs& args) {
    if (!IsAreaCountry(args.country)) return CallVerdict::kNothingNew;
    const CInfo scratch = Scratch(args);
    CallVerdict verdict = CallVerdict::kNothingNew;
    for (const CInfo& q : log) {
        if (q.m_band != args.band) continue;
        if (SameArea(scratch, q)) return CallVerdict::kNothingNew;
        verdict = CallVerdict::kNewCallArea;
    }
    return verdict;
}

}  // namespace

CallVerdict JudgeCall(const Log& log, const std::string& hostVersion, const CheckArgs& args) {
    const CallVerdict refused = (hostVersion == "2.19" || hostVersion == "2.20")
                                    ? CallVerdict::kNothingNew
                                    : CallVerdict::kRefused;
    if (args.hasBand && args.hasBand2 && !SameIgnoringCase(args.band, args.band2)) return refused;
    if (!IsContestBand(args.band) || !ValidModes().Contains(args.mode)) return refused;
    if (args.country.empty()) return CallVerdict::kNothingNew;
    for (const CInfo& q : log) {
        if (q.m_call == args.call && q.m_band == args.band) return CallVerdict::kDupe;
    }
    CallVerdict verdict = CallVerdict::kNewCountry;
    if (args.call == "EA4URE") {
        for (const CInfo& q : log) {
            if (q.m_band != args.band) continue;
            if (q.m_province != "HQ") return CallVerdict::kNewCountry;
            verdict = CallVerdict::kNothingNew;
            break;
        }
    }
    for (const CInfo& q : log) {
        if (q.m_band != args.band) continue;
        if (q.m_country == args.country) return AreaVerdict(log, args);
        verdict = CallVerdict::kNewCountry;
    }
    return verdict;
}

int CountSame(const Log& log, const std::string& call, const std::string& band,
              const std::string& mode) {
    int count = 0;
    for (const CInfo& q : log) {
        if (q.m_call == call && q.m_band == band && q.m_mode == mode) ++count;
    }
    return count;
}

namespace {

// Same status, and then equal values; broken times match when both are NaN.
bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.GetStatus() != b.GetStatus()) return false;
    if (a.GetStatus() == COleDateTime::null || a.Value() == b.Value()) return true;
    return a.GetStatus() == COleDateTime::invalid && std::isnan(a.Value()) && std::isnan(b.Value());
}

}  // namespace

int FindQso(const Log& log, const QsoArgs& qso) {
    for (size_t i = 0; i < log.size(); ++i) {
        const CInfo& q = log[i];
        if (q.m_call == qso.call && q.m_band == qso.band && q.m_mode == qso.mode &&
            SameTime(q.m_time, qso.time)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int AddQso(Store& store, const QsoArgs& qso) {
    CInfo info;
    const int earlier = CountSame(store.log, qso.call, qso.band, qso.mode);
    const Entry entry = JudgeQso(store.workedBands, qso, earlier, info);
    if (entry.entered) store.log.push_back(info);
    BadQso::Append(store.badQsoFile, entry.badLines);
    return entry.entered ? 1 : 0;
}

void RemoveQso(Store& store, const QsoArgs& qso) {
    const int found = FindQso(store.log, qso);
    if (found >= 0) store.log.erase(store.log.begin() + found);
    if (store.log.empty()) store.workedBands.clear();
    DropBadLines(store.badQsoFile, qso);
}

}  // namespace reference
