// The DLL's application object: remembers the module at load and closes
// the plug-in's windows at unload.
#pragma once

#include <windows.h>

class CTestApp {
  public:
    CTestApp() = default;
    CTestApp(const CTestApp&) = delete;
    CTestApp& operator=(const CTestApp&) = delete;
    virtual ~CTestApp() = default;

    virtual BOOL InitInstance(HINSTANCE module);
    // Closes every window of the window thread and waits for the thread to end.
    virtual int ExitInstance();
};

extern CTestApp theApp;
