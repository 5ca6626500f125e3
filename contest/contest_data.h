// The contest log and what is derived from it between calls.
#pragma once

#include <string>
#include <vector>

#include "contest/band_rows.h"
#include "contest/log_store.h"

struct ContestData : BandRowLists {
    LogStore g_log;
    std::vector<std::string> g_workedBands;  // distinct band texts in order of first appearance
    std::string g_badQsoFile;                // empty until the first reset
};

// The map windows that a removal resets; each answers whether it was open.
class MapWindows {
  public:
    virtual ~MapWindows() = default;
    virtual bool ResetProvinceCells() = 0;
    virtual bool ResetCallAreaCells() = 0;
};
