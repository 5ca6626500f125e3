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

    bool SetupWindowRunning() override;
    void PostRefresh() override;
    StationKinds ResetMaps(StationKinds removed) override;

  protected:
    std::vector<std::string> DoFindFiles(const std::string& pattern) override;
    void DoShowOutput(const std::string& text) override;
    void DoStartUiThread() override;
    bool DoEdit(CabrilloHeader& header) override;

  private:
    WindowThread* m_windows = nullptr;
};
