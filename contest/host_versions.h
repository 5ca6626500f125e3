// What the plug-in does differently for some versions of the host, by the
// exact (case-sensitive) version text of the host's settings file.
#pragma once

#include <string>

struct HostVersionTraits {
    bool noWindows = false;            // no window thread is started
    bool noPrevQsoBox = false;         // the Setup window's "Previous QSO" box is disabled
    bool refusalIsNothingNew = false;  // a refused call is answered "nothing new"
};

// The traits of `version`; any version not listed has none.
HostVersionTraits TraitsOfHost(const std::string& version);
