#include "plugin/win32/application.h"

#include "controls/resource_module.h"
#include "plugin/win32/plugin_instance.h"
#include "plugin/win32/window_thread.h"

CTestApp theApp;

BOOL CTestApp::InitInstance(HINSTANCE module) {
    SetResourceModule(module);
    return TRUE;
}

// Runs in DllMain under the loader lock: the wait for the window thread is
// bounded, and returns only once the thread has left this DLL's code.
int CTestApp::ExitInstance() {
    TheWindowThread().CloseAllWindows(true);
    return 0;
}
