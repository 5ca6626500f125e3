// The refresh pass of the information windows on random logs, beside a
// plain reference that finds the previous-QSO rows by scanning the log in
// store order.  The host answers at once, so the figures are the pass's own
// work.  `PrevQsoRows` and `BandLists` are the two stretches in which the
// pass holds the lock for more than setting a flag.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

#include "bench/random_log.h"
#include "bench/ratio_reporter.h"
#include "contest/contest_rules.h"
#include "tests/support/fake_environment.h"
#include "tests/support/reference_scan.h"
#include "tests/windows/fake_host_link.h"
#include "windows/info_refresh.h"

namespace {

constexpr std::size_t kCalls = 1024;

// One log of a given size in the plug-in, with the band lists a result
// fills, and the calls the operator types (about half of them logged).
struct Loaded {
    explicit Loaded(std::size_t size) : plugin(env, profile) {
        const auto stream = static_cast<std::uint32_t>(size);
        const std::vector<QsoArgs> qsos = benchlog::RandomQsos(size, stream);
        for (const CheckArgs& c : benchlog::RandomChecks(qsos, kCalls, stream + 1)) {
            calls.push_back(c.call);
        }
        ResetArgs reset = ContestReset("UR5EQF", "UR");
        reset.end =
            COleDateTime(reset.end.Value() + static_cast<double>(size % 97), COleDateTime::valid);
        plugin.ResetStats(reset);
        for (const QsoArgs& q : qsos) plugin.AddData(q);
        plugin.GetResult();
    }

    FakeEnvironment env;
    MapProfileStore profile;
    StatsPlugin plugin;
    std::vector<std::string> calls;
};

Loaded& LogOf(std::size_t size) {
    static std::map<std::size_t, std::unique_ptr<Loaded>> logs;
    auto& slot = logs[size];
    if (!slot) slot = std::make_unique<Loaded>(size);
    return *slot;
}

Loaded& LogOf(const benchmark::State& state) {
    return LogOf(static_cast<std::size_t>(state.range(0)));
}

// The reference rows: cleared, then every record of the log in store order
// overwrites the row of each band label it matches; under the lock, as the
// pass takes it.
void ReferenceRows(SharedState& shared, const std::string& call) {
    const SharedState::Locked locked = shared.Lock();
    reference::FillPrevQsoRows(locked->g_log, call, locked->g_prevQsoRows);
}

// One whole pass: typed call, rows, dial on 20 m, titles and map lists.
void RefreshPass(benchmark::State& state) {
    Loaded& l = LogOf(state);
    SharedState& s = l.plugin.Shared();
    RefreshState refresh;
    FakeHostLink host;
    std::size_t i = 0;
    for (auto _ : state) {
        host.call = l.calls[i++ % kCalls];
        benchmark::DoNotOptimize(RunRefreshPass(s, refresh, host));
    }
}

// The same pass with the rows found by the plain scan: the scan, then the
// rest of the pass (a pass with no call typed looks nothing up).
void RefreshPass_ref(benchmark::State& state) {
    Loaded& l = LogOf(state);
    SharedState& s = l.plugin.Shared();
    RefreshState refresh;
    FakeHostLink host;
    host.call.clear();
    std::size_t i = 0;
    for (auto _ : state) {
        ReferenceRows(s, l.calls[i++ % kCalls]);
        benchmark::DoNotOptimize(RunRefreshPass(s, refresh, host));
    }
}

// The pass's first hold of the lock: taking it, the rows, letting it go.
void PrevQsoRows(benchmark::State& state) {
    Loaded& l = LogOf(state);
    SharedState& s = l.plugin.Shared();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(s.FillPrevQsoRows(l.calls[i++ % kCalls]));
}

void PrevQsoRows_ref(benchmark::State& state) {
    Loaded& l = LogOf(state);
    SharedState& s = l.plugin.Shared();
    std::size_t i = 0;
    for (auto _ : state) {
        ReferenceRows(s, l.calls[i++ % kCalls]);
        benchmark::DoNotOptimize(l.plugin.State().g_prevQsoRows.data());
    }
}

// The pass's other hold of the lock: the 20 m lists of the map windows.
void BandLists(benchmark::State& state) {
    SharedState& s = LogOf(state).plugin.Shared();
    MapLists lists;
    for (auto _ : state) {
        lists = s.TakeBandLists(3);
        benchmark::DoNotOptimize(lists.provinces.data());
    }
    state.counters["entries"] =
        static_cast<double>(lists.provinces.size() + lists.callAreas.size());
}

// What the painters copy under the lock: the table and the 20 m multipliers.
void TakeViews(benchmark::State& state) {
    Loaded& l = LogOf(state);
    SharedState& s = l.plugin.Shared();
    RefreshState refresh;
    refresh.currentBand = 3;
    refresh.currentCall = l.calls[0];
    for (auto _ : state) {
        benchmark::DoNotOptimize(TakeTableView(s, refresh));
        benchmark::DoNotOptimize(TakeMultiplierView(s, refresh));
    }
    state.counters["mults_20m"] =
        static_cast<double>(l.plugin.State().bandLists.g_bandMults[3].size());
}

void Sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(10000)->Arg(100000); }

}  // namespace

BENCHMARK(RefreshPass)->Apply(Sizes);
BENCHMARK(RefreshPass_ref)->Apply(Sizes);
BENCHMARK(PrevQsoRows)->Apply(Sizes);
BENCHMARK(PrevQsoRows_ref)->Apply(Sizes);
BENCHMARK(BandLists)->Apply(Sizes);
BENCHMARK(TakeViews)->Apply(Sizes);

namespace {

// The longest hold of the lock in a pass at this size, or 0 when not measured.
double LongestHold(const RatioReporter& r, const char* size) {
    return std::max(r.Nanoseconds("PrevQsoRows", size), r.Nanoseconds("BandLists", size));
}

void ReportTargets(const RatioReporter& r) {
    std::printf("\ntargets:\n");
    for (const char* size : {"1000", "10000", "100000"}) {
        const double pass = r.Nanoseconds("RefreshPass", size);
        const double held = LongestHold(r, size);
        if (pass > 0) std::printf("  RefreshPass %6s QSOs: %7.0f ns per pass\n", size, pass);
        if (held > 0) std::printf("  lock held   %6s QSOs: %7.0f ns at the longest\n", size, held);
    }
    const double pass = r.Nanoseconds("RefreshPass", "100000");
    if (pass > 0)
        std::printf("  pass at 100000: %.0f ns (< 2000 ns) %s\n", pass,
                    pass < 2000 ? "met" : "MISSED");
    const double held = LongestHold(r, "100000");
    if (held > 0)
        std::printf("  lock held at 100000: %.0f ns (< 10000 ns) %s\n", held,
                    held < 10000 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) { return RunWithRatios(argc, argv, ReportTargets); }
