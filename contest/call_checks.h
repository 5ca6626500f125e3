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

enum CallVerdict {
    kDupe = 0,
    kNothingNew = 1,
    kNewCountry = 2,
    kNewCallArea = 3,
    kRefused = 4,
};

// The verdict on a call; hosts "2.19" and "2.20" get kNothingNew instead of kRefused.
CallVerdict JudgeCall(const LogStore& log, const std::string& hostVersion, const CheckArgs& args);

// Whether the received exchange suits the station.
bool JudgeExchange(const std::string& exchange, const std::string& call,
                   const std::string& country);
