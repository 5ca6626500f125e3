#include "contest/host_versions.h"

namespace {

struct HostVersionRow {
    const char* version;
    HostVersionTraits traits;
};

// noWindows, noPrevQsoBox, refusalIsNothingNew.
const HostVersionRow kHostVersions[] = {
    {"2.14", {true, false, false}}, {"2.14R", {true, false, false}}, {"2.15", {true, true, false}},
    {"2.16", {true, true, false}},  {"2.17", {true, true, false}},   {"2.18", {true, true, false}},
    {"2.19", {false, true, true}},  {"2.20", {false, false, true}},
};

}  // namespace

HostVersionTraits TraitsOfHost(const std::string& version) {
    for (const HostVersionRow& row : kHostVersions)
        if (version == row.version) return row.traits;
    return HostVersionTraits{};
}
