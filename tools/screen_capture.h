// Screenshots of the whole screen while the plug-in's windows are up, so
// that a live run can be watched afterwards, step by step.
#pragma once

#include <string>

namespace host {

// Copies every monitor (the virtual screen) into a 24-bit bitmap and writes
// it to `path` as a BMP file; false when a step fails.
bool CaptureScreen(const std::string& path);

// Numbered screenshots in one folder: step_0001.bmp, step_0002.bmp, ...
// Each one taken is announced as "screenshot: <file>".
class ScreenshotSeries {
  public:
    // Creates the folder when it is missing (its parent must exist).
    explicit ScreenshotSeries(const std::string& folder);
    void Take();
    int Taken() const { return m_taken; }
    int Failed() const { return m_failed; }

  private:
    std::string m_folder;
    int m_taken = 0, m_failed = 0;
};

}  // namespace host
