// With FUZZ_REPORT_SECONDS set, a line on stderr every that many seconds:
// the inputs run so far and how many a second over the stretch just ended.
// scripts/fuzz.sh reads the first and the last of a worker for its summary;
// libFuzzer's own lines come only with new coverage, so they fall silent
// just when a long run's speed matters.
#pragma once

#include <chrono>
#include <cstddef>

class RateReport {
  public:
    RateReport();
    void InputRan();

  private:
    using Clock = std::chrono::steady_clock;
    std::chrono::seconds m_every{0};  // 0: no report
    Clock::time_point m_stretchStart;
    std::size_t m_inputs = 0;
    std::size_t m_stretchInputs = 0;
};
