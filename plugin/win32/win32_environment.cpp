#include "plugin/win32/win32_environment.h"

#include <windows.h>

#include "controls/handles.h"
#include "controls/owner_window.h"
#include "plugin/win32/window_thread.h"
#include "results/win32/cabrillo_dialog.h"

std::vector<std::string> Win32Environment::DoFindFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return names;  // no match, no folder, or a name too long
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

void Win32Environment::DoShowOutput(const std::string& text) {
    MessageBoxA(OwnerForCallingThread(), text.c_str(), "Output", MB_ICONINFORMATION | MB_OK);
}

bool Win32Environment::SetupWindowRunning() {
    return m_windows != nullptr && m_windows->SetupRunning();
}

void Win32Environment::DoStartUiThread() {
    if (m_windows != nullptr) m_windows->StartUiThread();
}

void Win32Environment::PostRefresh() {
    if (m_windows != nullptr) m_windows->PostRefresh();
}

// The cells belong to the window thread: the reset is posted to it, never
// painted from the host thread.
StationKinds Win32Environment::ResetMaps(StationKinds removed) {
    return m_windows != nullptr ? m_windows->PostMapReset(removed) : 0;
}

bool Win32Environment::DoEdit(CabrilloHeader& header) {
    return Cabrillo::Edit(header, OwnerForCallingThread());
}
