// What the portable plug-in needs from the platform and from its windows.
// The DLL implements it over Win32; tests use fakes.
#pragma once

#include <string>
#include <vector>

#include "contest/contest_data.h"
#include "results/cabrillo_log.h"

// The map windows that a removal resets; each answers whether it was open.
class MapWindows {
  public:
    virtual ~MapWindows() = default;
    virtual bool ResetProvinceCells() = 0;
    virtual bool ResetCallAreaCells() = 0;
};

class Environment : public HeaderEditor, public MapWindows {
  public:
    // Names (no directory) of the entries matching a pattern such as
    // "C:\MixW\*.ini", in the order the platform lists them.
    virtual std::vector<std::string> FindFiles(const std::string& pattern) = 0;
    // The export confirmation, captioned "Output".
    virtual void ShowOutput(const std::string& text) = 0;

    // The window thread and its windows.
    virtual bool SetupWindowRunning() = 0;
    virtual void StartUiThread() = 0;
    virtual void PostRefresh() = 0;  // WM_REFRESH_INFO to the setup window
};
