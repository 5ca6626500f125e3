// Drives a modal window of this process from a second thread, as an
// operator would: waits for it to appear, then acts on it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// A visible top-level window of this process with exactly this caption,
// or null.
HWND FindOwnWindow(const std::string& caption);

class WindowDriver {
  public:
    // Waits (on its own thread) up to `patienceMs` for the window, then runs
    // `act` with it.  A window that never comes is reported by Found().
    WindowDriver(std::string caption, std::function<void(HWND)> act, DWORD patienceMs = 20000);
    ~WindowDriver();  // joins the thread
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    // Waits for the thread to finish, then tells whether the window came.
    bool Found();

  private:
    std::string m_caption;
    std::function<void(HWND)> m_act;
    bool m_found = false;
    std::thread m_thread;
};

// Text of a dialog's control, read from another thread.
std::string ItemText(HWND dialog, int id);
// Presses a push button of a dialog the way a click does (BN_CLICKED).
void Press(HWND dialog, int id);
