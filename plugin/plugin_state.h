// Everything the plug-in keeps between calls.  The DLL owns one instance;
// each test makes its own.
#pragma once

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "contest/contest_data.h"
#include "results/cabrillo_log.h"

struct PluginState : ContestData {
    // Guards all of the state, the contest data included: taken by each
    // export and by the window thread's refresh.  Never held while waiting
    // for the window thread or for a modal window.
    std::recursive_mutex lock;

    std::array<std::vector<std::string>, kBandRows> g_prevQsoRows;

    std::string g_ownCall;
    std::string g_ownCountry;
    std::string g_hostVersion;
    std::string g_periodStart;
    std::string g_contestYear;
    std::string g_periodEnd;
    int g_exportMode = 0;
    int g_score = 0;
    std::string g_resultText;
    CCabrilloLog g_cabrilloLog;
    int g_htmlResult = 0;
    int g_russianCaptions = 0;
    int g_refreshPending = 1;
};
