#include "plugin/test_app.h"

#include "controls/resource_module.h"
#include "plugin/ui_thread.h"

CTestApp theApp;

BOOL CTestApp::InitInstance(HINSTANCE module) {
    SetResourceModule(module);
    return TRUE;
}

int CTestApp::ExitInstance() {
    CloseAllWindows();
    Sleep(20);  // lets the window thread return after it unregistered its window
    return 0;
}
