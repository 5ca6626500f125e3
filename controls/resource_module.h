// The module whose resources (dialog templates, icon) the windows load.
#pragma once

#include <windows.h>

// Saved when the DLL loads.  A null instance would make the loaders look in
// the host's executable instead of in our own file.
void SetResourceModule(HINSTANCE module);

// The saved module, else the module this code was linked into.
HINSTANCE ResourceModule();
