#include "fuzz/rate_report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

RateReport::RateReport() : m_stretchStart(Clock::now()) {
    if (const char* every = std::getenv("FUZZ_REPORT_SECONDS"))
        m_every = std::chrono::seconds(std::max(0L, std::strtol(every, nullptr, 10)));
}

void RateReport::InputRan() {
    ++m_inputs;
    ++m_stretchInputs;
    if (m_every.count() == 0) return;
    const Clock::time_point now = Clock::now();
    const std::chrono::duration<double> stretch = now - m_stretchStart;
    if (stretch < m_every) return;
    std::fprintf(stderr, "rate: %zu inputs, %.0f inputs/s over the last %.0f s\n", m_inputs,
                 static_cast<double>(m_stretchInputs) / stretch.count(), stretch.count());
    m_stretchStart = now;
    m_stretchInputs = 0;
}
