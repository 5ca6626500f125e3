// The places that a module's code asks for its windows, seen through its
// import of SetWindowPos: what the code under test decided, before a window
// manager that keeps windows on the screen moves one it finds partly off.
// Windows itself leaves them there, so on Windows the two are the same.
// One object at a time; the module must outlive it.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>

#include "tests/support/import_hook_win.h"

class RequestedPlaces {
  public:
    explicit RequestedPlaces(HMODULE module = GetModuleHandleA(nullptr))
        : m_hook("user32.dll", "SetWindowPos", reinterpret_cast<void*>(&Record), module) {
        s_self = this;
    }
    ~RequestedPlaces() {
        std::lock_guard<std::mutex> lock(s_mutex);
        s_self = nullptr;
    }
    RequestedPlaces(const RequestedPlaces&) = delete;
    RequestedPlaces& operator=(const RequestedPlaces&) = delete;

    bool Hooked() const { return m_hook.Original() != nullptr; }
    // The last place asked for `window`, or none.
    std::optional<POINT> Of(HWND window) const {
        std::lock_guard<std::mutex> lock(s_mutex);
        const auto found = m_places.find(window);
        if (found == m_places.end()) return std::nullopt;
        return found->second;
    }

  private:
    using SetWindowPosFn = BOOL(WINAPI*)(HWND, HWND, int, int, int, int, UINT);

    // Called on the windows' own thread.
    static BOOL WINAPI Record(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags) {
        if ((flags & SWP_NOMOVE) == 0) {
            std::lock_guard<std::mutex> lock(s_mutex);
            if (s_self != nullptr) s_self->m_places[window] = POINT{x, y};
        }
        // From user32 itself: this module's import now leads here.
        static const auto original = reinterpret_cast<SetWindowPosFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "SetWindowPos")));
        return original(window, after, x, y, cx, cy, flags);
    }

    static inline std::mutex s_mutex;
    static inline RequestedPlaces* s_self = nullptr;
    std::map<HWND, POINT> m_places;
    ImportHook m_hook;
};
