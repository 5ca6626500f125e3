// Console output as usual, then a table that sets each benchmark beside its
// plain reference ("<name>_ref") with the ratio of the two.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // CPU nanoseconds per iteration of "<name>/<size>" (the median when
    // repeated), or 0 when it did not run.  CPU time, because the machine
    // may be busy with other work.
    double Nanoseconds(const std::string& name, const std::string& size) const;

  private:
    // (name, size) -> nanoseconds per iteration
    std::map<std::pair<std::string, std::string>, double> m_times;
};

// Runs the benchmarks named on the command line in a scratch folder (the
// plug-in writes files), reports them with their ratios, then the targets.
int RunWithRatios(int argc, char** argv, void (*reportTargets)(const RatioReporter&));
