// The platform behind the portable plug-in: file search, message boxes,
// the window thread and the Cabrillo header dialog.
#pragma once

#include <string>
#include <vector>

#include "plugin/environment.h"

class Win32Environment : public Environment {
  public:
    std::vector<std::string> FindFiles(const std::string& pattern) override;
    void ShowOutput(const std::string& text) override;

    bool SetupWindowRunning() override;
    void StartUiThread() override;
    void PostRefresh() override;
    bool ResetProvinceCells() override;
    bool ResetCallAreaCells() override;

    bool Edit(CabrilloHeader& header) override;
};
