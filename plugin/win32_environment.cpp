#include "plugin/win32_environment.h"

#include <windows.h>

#include "controls/handles.h"
#include "controls/owner_window.h"
#include "plugin/ui_thread.h"
#include "results/cabrillo_dialog.h"

std::vector<std::string> Win32Environment::FindFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return names;  // no match, no folder, or a name too long
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

void Win32Environment::ShowOutput(const std::string& text) {
    MessageBoxA(OwnerForCallingThread(), text.c_str(), "Output", MB_ICONINFORMATION | MB_OK);
}

bool Win32Environment::SetupWindowRunning() { return g_setupWnd != nullptr; }

void Win32Environment::StartUiThread() { ::StartUiThread(); }

void Win32Environment::PostRefresh() {
    HWND setup = g_setupWnd;
    if (setup != nullptr) PostMessageA(setup, WM_REFRESH_INFO, 0, 0);
}

// The map windows come later; until then none is open to be reset.
bool Win32Environment::ResetProvinceCells() { return false; }
bool Win32Environment::ResetCallAreaCells() { return false; }

bool Win32Environment::Edit(CabrilloHeader& header) {
    return Cabrillo::Edit(header, OwnerForCallingThread());
}
