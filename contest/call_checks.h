// The verdicts on a call and on an exchange while the operator types them.
#pragma once

#include <string>

#include "contest/log_store.h"

struct CheckArgs {
    std::string call;
    std::string mode;
    std::string callPrefix;
    std::string country;
    std::string band;
    bool hasBand = false;  // the host passed a band text at all
    std::string band2;
    bool hasBand2 = false;  // the host passed a second band text at all
};

// What a call would be on the band; the exports turn it into the host's number.
enum class CallVerdict { kDupe, kNothingNew, kNewCountry, kNewCallArea, kRefused };

// The verdict on a call; hosts "2.19" and "2.20" get kNothingNew instead of kRefused.
CallVerdict JudgeCall(const LogStore& log, const std::string& hostVersion, const CheckArgs& args);

// Whether the received exchange suits the station.
bool JudgeExchange(const std::string& exchange, const std::string& call,
                   const std::string& country);
