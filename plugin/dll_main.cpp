// Entry point of Stats.dll.  The C++ runtime has constructed the globals
// (the application object, the plug-in) before this runs.
#include <windows.h>

#include "plugin/test_app.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return theApp.InitInstance(module);
        case DLL_PROCESS_DETACH:
            // A non-null `reserved` means the process is ending: its other
            // threads are already gone, so waiting for the window thread to
            // unregister its window would never end.
            if (reserved == nullptr) theApp.ExitInstance();
            return TRUE;
        default:
            return TRUE;
    }
}
