#include "tools/stats_exports.h"

#include <type_traits>

namespace host {
namespace {

// AddData0 and RemoveData0 take the same arguments.
int CallWithQso(decltype(&::AddData0) f, const AddDataArgs& q) {
    const char* u = q.unread;
    HostDateTime* ut = q.unreadTime;
    return f(q.ownCall, q.call, q.time, ut, ut, ut, 0, q.freqHz, q.mode, q.rstSent, q.rstReceived,
             q.exchSent, q.exchReceived, u, u, u, u, u, u, u, u, q.callPrefix, q.country, 0, 0, 0,
             0.0, 0.0, u, u, u, q.band, u);
}

}  // namespace

bool StatsExports::Load(const std::string& path, std::string* error) {
    module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    error->clear();
    auto find = [&](auto* function, const char* name) {
        *function = Export<std::remove_pointer_t<decltype(function)>>(module, name);
        if (*function == nullptr && error->empty())
            *error = std::string("export not found: ") + name;
    };
#define STATS_FIND(name) find(&name, #name)
    STATS_FIND(GetNumberOfSets);
    STATS_FIND(GetSetName);
    STATS_FIND(setVersion);
    STATS_FIND(SetupSet0);
    STATS_FIND(ResetStats0);
    STATS_FIND(AddData0);
    STATS_FIND(RemoveData0);
    STATS_FIND(CheckCall0);
    STATS_FIND(IsValidExchg0);
    STATS_FIND(GetExchgCount0);
    STATS_FIND(GetResult0);
#undef STATS_FIND
    return error->empty();
}

int StatsExports::Reset(const ResetStatsArgs& r) const {
    const char* u = r.unread;
    return ResetStats0(r.hostDir, r.exportRequest, r.ownCall, r.start, r.end, u, u, u, u, u, u, u,
                       u, u, r.ownCountry, 0, 0, 0, 0.0, 0.0, u, u, u);
}

int StatsExports::Add(const AddDataArgs& q) const { return CallWithQso(AddData0, q); }

int StatsExports::Remove(const AddDataArgs& q) const { return CallWithQso(RemoveData0, q); }

int StatsExports::Check(const CheckCallArgs& c) const {
    const char* u = c.unread;
    return CheckCall0(c.call, 0, 0, c.mode, u, u, u, u, u, u, u, u, c.callPrefix, c.country, 0, 0,
                      0, 0.0, 0.0, u, u, u, u, u, c.band, c.band2, c.out1, c.out2);
}

}  // namespace host
