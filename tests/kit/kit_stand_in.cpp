// A stand-in for one of the kit's test programs, for the test of
// run-tests.cmd's count only (never packed into the kit): built once per
// kind, it prints GoogleTest's closing summary of a passing run with one
// skipped case, of a run whose two cases were skipped, of a run with two
// failed cases, of a run with no case, or crashes.
#include <cstdio>

namespace {

#if defined(KIT_STAND_IN_PASSES)
int Run() {
    std::puts("[==========] 3 tests from 1 test suite ran. (1 ms total)");
    std::puts("[  PASSED  ] 2 tests.");
    std::puts("[  SKIPPED ] 1 test, listed below:");
    std::puts("[  SKIPPED ] StandIn.Skipped");
    return 0;
}
#elif defined(KIT_STAND_IN_SKIPS)
int Run() {
    std::puts("[==========] 2 tests from 1 test suite ran. (1 ms total)");
    std::puts("[  PASSED  ] 0 tests.");
    std::puts("[  SKIPPED ] 2 tests, listed below:");
    std::puts("[  SKIPPED ] StandIn.FirstSkipped");
    std::puts("[  SKIPPED ] StandIn.SecondSkipped");
    return 0;
}
#elif defined(KIT_STAND_IN_FAILS)
int Run() {
    std::puts("[==========] 3 tests from 1 test suite ran. (1 ms total)");
    std::puts("[  PASSED  ] 1 test.");
    std::puts("[  FAILED  ] 2 tests, listed below:");
    std::puts("[  FAILED  ] StandIn.FirstFails");
    std::puts("[  FAILED  ] StandIn.SecondFails");
    std::puts("");
    std::puts(" 2 FAILED TESTS");
    return 1;
}
#elif defined(KIT_STAND_IN_RUNS_NONE)
int Run() {
    std::puts("Note: Google Test filter = None.*");
    std::puts("[==========] 0 tests from 0 test suites ran. (0 ms total)");
    std::puts("[  PASSED  ] 0 tests.");
    return 0;
}
#elif defined(KIT_STAND_IN_CRASHES)
int Run() {
    std::puts("[ RUN      ] StandIn.Crashes");
    std::fflush(stdout);
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
#else
#error "kit_stand_in.cpp: define KIT_STAND_IN_PASSES, _SKIPS, _FAILS, _RUNS_NONE or _CRASHES"
#endif

}  // namespace

int main() { return Run(); }
