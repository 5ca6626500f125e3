#include "plugin/win32/plugin_instance.h"

#include "plugin/win32/win32_environment.h"
#include "windows/win32/profile_store_win32.h"
#include "windows/win32/window_thread.h"

namespace {
// One translation unit, so constructed in this order when the DLL loads
// and destroyed in reverse order when it unloads.
Win32Environment g_environment;
ProfileStoreWin32 g_profileStore;
StatsPlugin g_plugin(g_environment, g_profileStore);
WindowThread g_windowThread(g_plugin.State(), g_plugin.GetSettings());
const bool g_windowThreadAttached = (g_environment.AttachWindowThread(g_windowThread), true);
}  // namespace

StatsPlugin& ThePlugin() { return g_plugin; }
WindowThread& TheWindowThread() { return g_windowThread; }
