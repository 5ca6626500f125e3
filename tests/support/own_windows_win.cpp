#include "tests/support/own_windows_win.h"

namespace {

struct Collect {
    const std::function<bool(HWND)>* keep;
    bool firstOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwn(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<Collect*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !(*c->keep)(window)) return TRUE;
    c->found.push_back(window);
    return c->firstOnly ? FALSE : TRUE;  // FALSE ends the enumeration
}

std::vector<HWND> Enumerate(const std::function<bool(HWND)>& keep, bool firstOnly) {
    Collect c{&keep, firstOnly, {}};
    EnumWindows(CollectOwn, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

}  // namespace

std::vector<HWND> OwnWindows(const std::function<bool(HWND)>& keep) {
    return Enumerate(keep, false);
}

HWND FirstOwnWindow(const std::function<bool(HWND)>& keep) {
    const std::vector<HWND> found = Enumerate(keep, true);
    return found.empty() ? nullptr : found.front();
}
