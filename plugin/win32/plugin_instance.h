// The one plug-in object of the process, over the Win32 platform.
#pragma once

#include "plugin/stats_plugin.h"

class WindowThread;

StatsPlugin& ThePlugin();
WindowThread& TheWindowThread();
