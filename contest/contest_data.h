// The contest log and what is derived from it between calls.
#pragma once

#include <string>
#include <vector>

#include "contest/band_rows.h"
#include "contest/log_store.h"

struct ContestData {
    LogStore g_log;
    std::vector<std::string> g_workedBands;  // distinct band texts in order of first appearance
    std::string g_badQsoFile;                // empty until the first reset
    BandRowLists bandLists;                  // what the windows show of each band
};
