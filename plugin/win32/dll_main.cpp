// Entry point of Stats.dll.  The C++ runtime has constructed the globals
// (the application object, the plug-in) before this runs.
#include <windows.h>

#include "plugin/win32/application.h"

// The C++ runtime linked into this DLL keeps a pool for exceptions thrown
// when memory runs out, taken from the heap at load and never given back:
// about 19 KB lost at every unload.  This hands it back.
namespace __gnu_cxx {
void __freeres() noexcept;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return theApp.InitInstance(module);
        case DLL_PROCESS_DETACH:
            // A non-null `reserved` means the process is ending: its other
            // threads are already gone, so waiting for the window thread to
            // unregister its window would never end.
            if (reserved == nullptr) {
                theApp.ExitInstance();
                __gnu_cxx::__freeres();
            }
            return TRUE;
        default:
            return TRUE;
    }
}
