#include "plugin/win32/plugin_instance.h"

#include "plugin/win32/win32_environment.h"
#include "plugin/win32/window_thread.h"
#include "settings/win32/profile_store_win32.h"

namespace {

// Everything the DLL keeps for the life of the process, its members in the
// order they depend on each other: built in that order when the DLL loads,
// destroyed in reverse when it unloads.
struct PluginProcess {
    Win32Environment environment;
    ProfileStoreWin32 profileStore;
    StatsPlugin plugin{environment, profileStore};
    WindowThread windowThread{plugin.Shared(), plugin.GetSettings()};

    PluginProcess() { environment.AttachWindowThread(windowThread); }
};

PluginProcess g_process;

}  // namespace

StatsPlugin& ThePlugin() { return g_process.plugin; }
WindowThread& TheWindowThread() { return g_process.windowThread; }
