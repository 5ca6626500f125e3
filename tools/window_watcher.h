// A second thread that plays the operator while an export blocks the host
// thread in a modal window: it waits for the window, works it, closes it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace host {

struct WatchReport {
    bool found = false;
    std::vector<std::pair<int, std::string>> before;  // control id, text as shown
    std::vector<std::pair<int, std::string>> after;   // after filling in
    std::string message;                              // a message box's text
};

class WindowWatcher {
  public:
    using Action = std::function<void(HWND, WatchReport*)>;

    // Looks for a visible dialog window of this process with that caption,
    // or, when `caption` is empty, one that shows `text` in a static control.
    WindowWatcher(std::string caption, std::string text, Action action);
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

    // Stops looking (the window never came) and hands over what was seen.
    WatchReport Finish();

  private:
    void Run();

    std::string m_caption;
    std::string m_text;
    Action m_action;
    WatchReport m_report;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// The Cabrillo header dialog: control ids and the texts the host types.
struct HeaderField {
    int id;
    const char* label;
    const char* text;  // null: leave as shown
};
// The host's own call is left as the plug-in shows it.
const std::vector<HeaderField>& CabrilloHeaderFields();

// Reads every header field, types the host's texts, presses OK.
void FillHeaderAndConfirm(HWND dialog, WatchReport* report);
// Reads a message box's text and presses OK.
void ReadAndConfirm(HWND box, WatchReport* report);

}  // namespace host
