#include "tools/load_run.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "tools/replay.h"
#include "tools/synthetic_log.h"

namespace host {
namespace {

struct Memory {
    std::size_t workingSet = 0, peakWorkingSet = 0, privateBytes = 0;
};

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    Memory m;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        m.workingSet = counters.WorkingSetSize;
        m.peakWorkingSet = counters.PeakWorkingSetSize;
        m.privateBytes = counters.PagefileUsage;
    }
    return m;
}

void PrintMemory(const char* when, const Memory& m) {
    std::printf("memory %-28s working set %8zu KiB, peak %8zu KiB, private %8zu KiB\n", when,
                m.workingSet / 1024, m.peakWorkingSet / 1024, m.privateBytes / 1024);
}

// The "Total" row of a text result, or the first line naming a total.
std::string TotalLine(const std::string& result) {
    std::size_t at = result.find("Total");
    if (at == std::string::npos) return "(no total row)";
    std::size_t end = result.find_first_of("\r\n", at);
    return result.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

}  // namespace

int LoadRun(const HostOptions& o, const StatsPluginApi& api, ResetRequest reset) {
    std::vector<Qso> qsos = MakeSyntheticLog(o.load, 20170211u);
    if (!o.startGiven) reset.start = OleDate{OleValue(2017, 2, 11, 0, 0, 0), OleDate::valid};
    if (!o.endGiven) reset.end = OleDate{OleValue(2017, 2, 12, 23, 59, 0), OleDate::valid};
    reset.exportRun = false;
    Memory start = MemoryNow();
    PrintMemory("after loading", start);
    ResetWithHeaderDialog(api, reset);
    std::size_t peakPrivate = start.privateBytes;
    int out = 0, entered = 0;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        entered += api.Add(qsos[i], reset.ownCall);
        if (i + 1 < qsos.size()) {
            const Qso& next = qsos[i + 1];
            bool touched = false;
            api.Check(CallCheck{next.call, next.mode, next.callPrefix, next.country, next.band},
                      &touched);
        }
        if ((i + 1) % 100 == 0) {
            api.Result(&out);
            peakPrivate = std::max(peakPrivate, MemoryNow().privateBytes);
        }
    }
    std::string full = api.Result(&out);
    Memory peak = MemoryNow();
    peakPrivate = std::max(peakPrivate, peak.privateBytes);
    std::printf("load: %zu QSOs added, %d entered; %s\n", qsos.size(), entered,
                TotalLine(full).c_str());
    PrintMemory("with the full log", peak);
    std::mt19937 random(4711u);
    std::shuffle(qsos.begin(), qsos.end(), random);
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        api.Remove(qsos[i], reset.ownCall);
        if ((i + 1) % 100 == 0) api.Result(&out);
    }
    std::string empty = api.Result(&out);
    Memory end = MemoryNow();
    std::printf("load: all removed again; %s\n", TotalLine(empty).c_str());
    std::printf("memory %-28s private %8zu KiB\n", "peak seen", peakPrivate / 1024);
    PrintMemory("at the end", end);
    bool emptied = TotalLine(empty).find("Total\t 0\t") == 0;
    if (!emptied) std::printf("load: the emptied log still counts QSOs\n");
    return emptied ? 0 : 4;
}

}  // namespace host
