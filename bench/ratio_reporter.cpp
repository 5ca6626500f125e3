#include "bench/ratio_reporter.h"

#include <cstdio>
#include <set>

#include "tests/support/temp_folder.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the median stands for the benchmark.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) continue;
        const double ns =
            run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_times[{run.run_name.function_name, run.run_name.args}] = ns;
    }
}

double RatioReporter::Nanoseconds(const std::string& name, const std::string& size) const {
    auto it = m_times.find({name, size});
    return it == m_times.end() ? 0 : it->second;
}

namespace {

std::string Human(double ns) {
    char text[32];
    if (ns < 1e3) {
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    } else if (ns < 1e6) {
        std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    } else if (ns < 1e9) {
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    } else {
        std::snprintf(text, sizeof text, "%.2f s", ns / 1e9);
    }
    return text;
}

}  // namespace

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-18s %8s %14s %14s %10s\n", "operation", "QSOs", "ours", "reference",
                "ref/ours");
    for (const auto& entry : m_times) {
        const std::string& name = entry.first.first;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, "_ref") == 0) continue;
        const double ours = entry.second;
        const double ref = Nanoseconds(name + "_ref", entry.first.second);
        std::printf("%-18s %8s %14s %14s %10s\n", name.c_str(), entry.first.second.c_str(),
                    Human(ours).c_str(), ref > 0 ? Human(ref).c_str() : "-",
                    ref > 0 && ours > 0 ? std::to_string(ref / ours).substr(0, 8).c_str() : "-");
    }
    std::fflush(stdout);
}

int RunWithRatios(int argc, char** argv, void (*reportTargets)(const RatioReporter&)) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TempFolder folder;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reportTargets(reporter);
    benchmark::Shutdown();
    return 0;
}
