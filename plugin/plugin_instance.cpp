#include "plugin/plugin_instance.h"

#include "plugin/win32_environment.h"
#include "windows/profile_store_win32.h"

namespace {
// One translation unit, so constructed in this order when the DLL loads
// and destroyed in reverse order when it unloads.
Win32Environment g_environment;
ProfileStoreWin32 g_profileStore;
StatsPlugin g_plugin(g_environment, g_profileStore);
}  // namespace

StatsPlugin& ThePlugin() { return g_plugin; }
