// One logged QSO as the host hands it over, before any rule is applied.
#pragma once

#include <cstdint>
#include <string>

#include "contest/ole_date_time.h"

struct QsoArgs {
    std::string ownCall;
    std::string call;
    COleDateTime time;
    std::uint32_t freqHz = 0;
    std::string mode;
    std::string rstSent;
    std::string rstReceived;
    std::string exchSent;
    std::string exchReceived;
    std::string callPrefix;
    std::string country;
    std::string band;
};
