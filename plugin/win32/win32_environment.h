// The platform behind the portable plug-in: file search, message boxes,
// the window thread and the Cabrillo header dialog.
#pragma once

#include <string>
#include <vector>

#include "plugin/environment.h"

class WindowThread;

class Win32Environment : public Environment {
  public:
    // The window thread that the reset starts; without one no window runs.
    void AttachWindowThread(WindowThread& windows) { m_windows = &windows; }

    std::vector<std::string> FindFiles(const std::string& pattern) override;
    void ShowOutput(const std::string& text) override;

    bool SetupWindowRunning() override;
    void StartUiThread() override;
    void PostRefresh() override;
    bool ResetProvinceCells() override;
    bool ResetCallAreaCells() override;

    bool Edit(CabrilloHeader& header) override;

  private:
    WindowThread* m_windows = nullptr;
};
