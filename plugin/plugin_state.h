// Everything the plug-in keeps between calls.  The DLL owns one instance;
// each test makes its own.  Both threads reach it only through the door of
// plugin/shared_state.h, which holds its lock.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "contest/contest_data.h"
#include "results/cabrillo_log.h"
#include "windows/shared_view.h"

struct PluginState : ContestData {
    PrevQsoRowSet g_prevQsoRows;

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
