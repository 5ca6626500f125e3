#include "tools/load_run.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "tools/heap_in_use.h"
#include "tools/replay.h"
#include "tools/synthetic_log.h"

namespace host {
namespace {

struct Memory {
    std::size_t workingSet = 0, peakWorkingSet = 0, privateBytes = 0, heapInUse = 0;
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
    m.heapInUse = HeapBytesInUse();
    return m;
}

void PrintMemory(const char* when, const Memory& m) {
    std::printf(
        "memory %-13s working set %7zu KiB (peak %7zu KiB), private %7zu KiB, heap in use %7zu "
        "KiB\n",
        when, m.workingSet / 1024, m.peakWorkingSet / 1024, m.privateBytes / 1024,
        m.heapInUse / 1024);
}

// The "Total" row of a text result.
std::string TotalLine(const std::string& result) {
    std::size_t at = result.find("Total");
    if (at == std::string::npos) return "(no total row)";
    std::size_t end = result.find_first_of("\r\n", at);
    return result.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the host does while the operator logs: a check of the next call
// before each QSO is logged, the result every 100 QSOs.
int AddAll(const StatsPluginApi& api, const std::vector<Qso>& qsos, const std::string& ownCall) {
    int out = 0, entered = 0;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        entered += api.Add(qsos[i], ownCall);
        if (i + 1 < qsos.size()) {
            const Qso& next = qsos[i + 1];
            bool touched = false;
            api.Check(CallCheck{next.call, next.mode, next.callPrefix, next.country, next.band},
                      &touched);
        }
        if ((i + 1) % 100 == 0) api.Result(&out);
    }
    return entered;
}

// Heap growth that may remain once the log is empty again: the indexes keep
// their bucket tables, the heap its bookkeeping.
constexpr std::size_t kHeapSlack = 2u << 20;

}  // namespace

int LoadRun(const HostOptions& o, const StatsPluginApi& api, ResetRequest reset) {
    std::vector<Qso> qsos = MakeSyntheticLog(o.load, 20170211u);
    if (!o.startGiven) reset.start = OleDate{OleValue(2017, 2, 11, 0, 0, 0), OleDate::valid};
    if (!o.endGiven) reset.end = OleDate{OleValue(2017, 2, 12, 23, 59, 0), OleDate::valid};
    reset.exportRun = false;
    ResetWithHeaderDialog(api, reset);
    int out = 0;
    const std::string emptyResult = api.Result(&out);
    const Memory start = MemoryNow();
    PrintMemory("at the start", start);

    Clock::time_point clock = Clock::now();
    const int entered = AddAll(api, qsos, reset.ownCall);
    const std::string full = api.Result(&out);
    const Memory peak = MemoryNow();
    std::printf("load: %zu QSOs added, %d entered in %.1f s; %s\n", qsos.size(), entered,
                SecondsSince(clock), TotalLine(full).c_str());
    PrintMemory("with full log", peak);

    std::mt19937 random(4711u);
    std::shuffle(qsos.begin(), qsos.end(), random);
    clock = Clock::now();
    for (const Qso& qso : qsos) api.Remove(qso, reset.ownCall);
    const std::string emptied = api.Result(&out);
    const Memory end = MemoryNow();
    std::printf("load: all removed again in %.1f s; %s\n", SecondsSince(clock),
                TotalLine(emptied).c_str());
    PrintMemory("at the end", end);

    if (emptied != emptyResult) {
        std::printf("load: the emptied log's result differs from the empty log's:\n%s\n",
                    emptied.c_str());
        return 4;
    }
    if (end.heapInUse > start.heapInUse + kHeapSlack) {
        std::printf("load: %zu KiB more heap in use than at the start\n",
                    (end.heapInUse - start.heapInUse) / 1024);
        return 5;
    }
    return 0;
}

}  // namespace host
