// How the indexed log and the plug-in's calls scale with the size of the log,
// each set beside a plain linear-scan reference.  Run from any folder: the
// bad-QSO files go to a temporary folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "bench/random_log.h"
#include "bench/ratio_reporter.h"
#include "contest/bad_qso_file.h"
#include "results/result_text.h"
#include "tests/support/fake_environment.h"
#include "tests/support/reference_scan.h"

namespace {

constexpr std::size_t kChecks = 1024;

// One log of a given size, loaded both into the plug-in and into the reference.
struct Loaded {
    explicit Loaded(std::size_t size) : plugin(env, profile) {
        qsos = benchlog::RandomQsos(size, static_cast<std::uint32_t>(size));
        checks = benchlog::RandomChecks(qsos, kChecks, static_cast<std::uint32_t>(size) + 1);
        reset = ContestReset("UR5EQF", "UR");
        // A bad-QSO file of its own for each size: the name follows the end day.
        reset.end =
            COleDateTime(reset.end.Value() + static_cast<double>(size % 97), COleDateTime::valid);
        env.setupRunning = true;
        plugin.ResetStats(reset);
        for (const QsoArgs& q : qsos) plugin.AddData(q);
        for (const QsoArgs& q : qsos) {
            if (IsContestBand(q.band)) accepted.push_back(q);
        }
    }

    FakeEnvironment env;
    MapProfileStore profile;
    StatsPlugin plugin;
    ResetArgs reset;
    std::vector<QsoArgs> qsos;
    std::vector<QsoArgs> accepted;
    std::vector<CheckArgs> checks;

    // The reference log, loaded when a reference benchmark first needs it.
    reference::Store& Ref() {
        if (ref.badQsoFile.empty()) {
            ref.badQsoFile = "reference_" + std::to_string(qsos.size()) + ".txt";
            BadQso::Create(ref.badQsoFile, BadQso::kCreatedHeader);
            for (const QsoArgs& q : qsos) reference::AddQso(ref, q);
        }
        return ref;
    }

  private:
    reference::Store ref;
};

Loaded& LogOf(std::size_t size) {
    static std::map<std::size_t, std::unique_ptr<Loaded>> logs;
    auto& slot = logs[size];
    if (!slot) slot = std::make_unique<Loaded>(size);
    return *slot;
}

// The log with its reference loaded before any timing starts, whichever
// benchmark runs first.
Loaded& RefLogOf(std::size_t size) {
    Loaded& l = LogOf(size);
    l.Ref();
    return l;
}

std::size_t SizeOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void JudgeCall(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    const PluginState& s = l.plugin.State();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JudgeCall(s.g_log, s.g_hostVersion, l.checks[i++ % kChecks]));
    }
}

void JudgeCall_ref(benchmark::State& state) {
    Loaded& l = RefLogOf(SizeOf(state));
    const std::string version = l.plugin.State().g_hostVersion;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            reference::JudgeCall(l.Ref().log, version, l.checks[i++ % kChecks]));
    }
}

void CheckCall(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(l.plugin.CheckCall(l.checks[i++ % kChecks]));
}

// The reference check behind the same lock as the plug-in's.
void CheckCall_ref(benchmark::State& state) {
    Loaded& l = RefLogOf(SizeOf(state));
    const std::string version = l.plugin.State().g_hostVersion;
    std::mutex lock;
    std::size_t i = 0;
    for (auto _ : state) {
        std::lock_guard<std::mutex> guard(lock);
        benchmark::DoNotOptimize(
            reference::JudgeCall(l.Ref().log, version, l.checks[i++ % kChecks]));
    }
}

// One iteration = a reset and every QSO of the log added again.
void Reload(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    for (auto _ : state) {
        l.plugin.ResetStats(l.reset);
        for (const QsoArgs& q : l.qsos) l.plugin.AddData(q);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * l.qsos.size()));
}

void Reload_ref(benchmark::State& state) {
    Loaded& l = RefLogOf(SizeOf(state));
    for (auto _ : state) {
        l.Ref().log.clear();
        l.Ref().workedBands.clear();
        BadQso::Create(l.Ref().badQsoFile, BadQso::kCreatedHeader);
        for (const QsoArgs& q : l.qsos) reference::AddQso(l.Ref(), q);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * l.qsos.size()));
}

// One iteration = one removal; the QSO goes back into the log untimed.
void RemoveData(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    std::size_t i = 0;
    for (auto _ : state) {
        const QsoArgs& q = l.accepted[(i++ * 7919) % l.accepted.size()];
        l.plugin.RemoveData(q);
        state.PauseTiming();
        l.plugin.AddData(q);
        state.ResumeTiming();
    }
}

void RemoveData_ref(benchmark::State& state) {
    Loaded& l = RefLogOf(SizeOf(state));
    std::size_t i = 0;
    for (auto _ : state) {
        const QsoArgs& q = l.accepted[(i++ * 7919) % l.accepted.size()];
        reference::RemoveQso(l.Ref(), q);
        state.PauseTiming();
        reference::AddQso(l.Ref(), q);
        state.ResumeTiming();
    }
}

void GetResult(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    for (auto _ : state) benchmark::DoNotOptimize(l.plugin.GetResult());
    const PluginState& s = l.plugin.State();
    state.counters["logged"] = s.g_log.GetCount();
    state.counters["bad_lines"] = BadQso::CountLines(s.g_badQsoFile);
}

void GetResult_ref(benchmark::State& state) {
    Loaded& l = RefLogOf(SizeOf(state));
    const PluginState& s = l.plugin.State();
    const ResultTitle title{s.g_periodStart, s.g_periodEnd, s.g_ownCall};
    BandRowLists lists;
    std::string text;
    for (auto _ : state) {
        const ResultFigures r =
            reference::Result(l.Ref().log, l.Ref().workedBands, s.g_ownCountry, false,
                              BadQso::CountLines(l.Ref().badQsoFile), lists);
        text = ResultText(title, r);
        benchmark::DoNotOptimize(text.data());
    }
}

// The floor under any result made from the records: one walk through the
// log, touching two fields of each record.
void LogWalk(benchmark::State& state) {
    Loaded& l = LogOf(SizeOf(state));
    for (auto _ : state) {
        long sum = 0;
        for (const CInfo& record : l.plugin.State().g_log) {
            sum += record.m_dupe + static_cast<long>(record.m_band.size());
        }
        benchmark::DoNotOptimize(sum);
    }
}

void Sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(10000)->Arg(100000); }

}  // namespace

BENCHMARK(JudgeCall)->Apply(Sizes);
BENCHMARK(JudgeCall_ref)->Apply(Sizes);
BENCHMARK(CheckCall)->Apply(Sizes);
BENCHMARK(CheckCall_ref)->Apply(Sizes);
BENCHMARK(Reload)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(Reload_ref)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(RemoveData)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(RemoveData_ref)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetResult)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetResult_ref)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(LogWalk)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

namespace {

// The figures the plug-in has to reach on this machine.
void ReportTargets(const RatioReporter& r) {
    std::printf("\ntargets:\n");
    for (const char* size : {"1000", "10000", "100000"}) {
        for (const char* name : {"JudgeCall", "CheckCall"}) {
            const double ns = r.Nanoseconds(name, size);
            if (ns > 0)
                std::printf("  %-10s %6s QSOs: %7.0f ns per call (< 1000 ns) %s\n", name, size, ns,
                            ns < 1000 ? "met" : "MISSED");
        }
        const double reload = r.Nanoseconds("Reload", size);
        if (reload > 0)
            std::printf("  Reload     %6s QSOs: %7.0f ns per QSO\n", size,
                        reload / std::atof(size));
    }
    const double reload = r.Nanoseconds("Reload", "100000");
    if (reload > 0)
        std::printf("  Reload of 100000: %.1f ms (< 100 ms) %s\n", reload / 1e6,
                    reload < 100e6 ? "met" : "MISSED");
    const double result = r.Nanoseconds("GetResult", "100000");
    if (result > 0)
        std::printf("  GetResult at 100000: %.2f ms (< 5 ms) %s\n", result / 1e6,
                    result < 5e6 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) { return RunWithRatios(argc, argv, ReportTargets); }
