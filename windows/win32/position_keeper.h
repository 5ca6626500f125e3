// A window's place on the screen, kept in two settings keys.  Positions are
// saved whenever the mouse moves over the window (WM_SETCURSOR), and only
// the coordinate that changed is written.
#pragma once

#include <windows.h>

#include "settings/settings.h"

struct PositionKeys {
    const char* x;
    const char* y;
    int defaultX;  // a stored 0 (or nothing) means the default
    int defaultY;
};

class PositionKeeper {
  public:
    PositionKeeper(Settings& settings, PositionKeys keys) : m_settings(settings), m_keys(keys) {}

    // Moves the window to the stored position, keeping its size and z-order.
    // A stored position that would put the title bar on no screen (a
    // monitor that is gone, a corrupt key) gives the default position
    // instead; the key stays as it is until the operator moves the window.
    void Restore(HWND window);
    // Once the window has moved from where it was put, writes each
    // coordinate of its screen position that differs from the last one
    // written (or read).
    void Save(HWND window);

  private:
    // Reads the stored position and remembers it as the last one written.
    POINT Load();
    POINT Reachable(HWND window, POINT at) const;

    Settings& m_settings;
    PositionKeys m_keys;
    POINT m_written = {0, 0};  // what the keys hold; a missing key: the default
    POINT m_placed = {0, 0};   // where the window was put or last seen moved to
};
