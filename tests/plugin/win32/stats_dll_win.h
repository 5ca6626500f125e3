// The real Stats.dll, loaded with LoadLibrary and called through the
// exports the host would use.
#pragma once

#include <string>

#include "tools/stats_exports.h"

using host::Export;

struct StatsDll : host::StatsExports {
    // Loaded once per test program from beside it; null members if missing.
    static const StatsDll& Get() {
        static const StatsDll dll = [] {
            StatsDll d;
            std::string error;
            d.Load("Stats.dll", &error);
            return d;
        }();
        return dll;
    }
};
