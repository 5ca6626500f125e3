#include "contest/call_checks.h"

#include "contest/contest_rules.h"
#include "contest/host_versions.h"
#include "contest/text_util.h"

namespace {

CallVerdict RefusalVerdict(const std::string& hostVersion) {
    return TraitsOfHost(hostVersion).refusalIsNothingNew ? CallVerdict::kNothingNew
                                                         : CallVerdict::kRefused;
}

bool IsSerialNumber(const std::string& exchange) {
    if (exchange.empty() || exchange.size() > 4 || exchange == "599") return false;
    for (char c : exchange) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

CallVerdict JudgeCall(const LogStore& log, const std::string& hostVersion, const CheckArgs& args) {
    const CallVerdict refused = RefusalVerdict(hostVersion);
    // Each keystroke comes here: the band is looked up once, the second dial
    // text only where it is not the same text.
    const int row = NameBand(args.band).row;
    if (args.hasBand && args.hasBand2 && args.band2 != args.band && NameBand(args.band2).row != row)
        return refused;
    if (!IsContestRow(row) || !ValidModes().Contains(args.mode)) return refused;
    if (args.country.empty()) return CallVerdict::kNothingNew;
    CInfo scratch;
    SetCallArea(scratch, args.country, args.callPrefix);

    if (log.HasCallOnBand(args.call, args.band)) return CallVerdict::kDupe;
    if (args.call == kHqCall) {
        // The HQ counts as new until the first QSO on the band is with the HQ.
        const CInfo* first = log.FirstOnBand(args.band);
        if (first != nullptr && first->m_province != kHqExchange) return CallVerdict::kNewCountry;
    }
    if (!log.HasCountryOnBand(args.band, args.country)) return CallVerdict::kNewCountry;
    if (!IsCallAreaCountry(args.country)) return CallVerdict::kNothingNew;
    return log.HasAreaOnBand(args.band, scratch) ? CallVerdict::kNothingNew
                                                 : CallVerdict::kNewCallArea;
}

bool JudgeExchange(const std::string& exchange, const std::string& call,
                   const std::string& country) {
    if (call == kHqCall) return Trim(exchange) == kHqExchange;
    if (IsSpanishCountry(country)) return IsProvinceCode(Trim(exchange));
    return IsSerialNumber(exchange);
}
