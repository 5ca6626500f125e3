#!/usr/bin/env bash
# Installs the tools, then runs every test:
#  - the main build (which cross-builds Stats.dll, the Windows tests and
#    the self-test kit into build/win32), on both cores, and then one ctest
#    run of it: the kit unpacked and run by run-tests.cmd in two fresh Wine
#    sessions (the Windows test programs, each once), the stand-in host's
#    shell tests in two more sessions, and the native checks;
#  - beside them, from the start and at the lowest priority, the native
#    tests under AddressSanitizer + UndefinedBehaviorSanitizer and the
#    two-thread test of the shared state under ThreadSanitizer, and the
#    fuzzer's build: they take what the main build and the Wine tests leave
#    of the cores (the Wine tests mostly wait, for windows, timers and the
#    host's pace);
#  - once the main build is done, the host-calls fuzzer for a bounded time
#    (60 s, or FUZZ_SECONDS) beside the Wine tests, at a priority between:
#    it gets the core they leave, and a Wine test that needs it gets it.
#  Each one's output is kept apart and shown when it ends.
#  The native unit tests run under the sanitizers, so the main build leaves
#  them out; the test programs one by one (label wine_program) and the three
#  more runs of the kit, at 120 DPI, with another dialog font and under a
#  window manager (label selftest_proxy), are left to a ctest by hand.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

started=$(date +%s)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Waits for PID and shows NAME's output LOG: all of it, or the last lines
# only where it passed and LINES is given.  Returns its exit code.
finish() {  # pid, name, log, [lines]
    local status=0
    wait "$1" || status=$?
    echo "== $2: exit code $status after $(($(date +%s) - started)) s"
    if [ "$status" -eq 0 ] && [ -n "${4:-}" ]; then tail -n "$4" "$3"; else cat "$3"; fi
    return "$status"
}

nice -n 19 bash scripts/sanitize.sh >"$logs/sanitize" 2>&1 &
sanitize=$!
nice -n 19 bash scripts/fuzz.sh build >"$logs/fuzz_build" 2>&1 &
fuzz_build=$!

echo "== Main build"
failed=0
if cmake -S . -B build -DSTATS_UNIT_TESTS=OFF && cmake --build build -j2; then
    echo "== Main build done after $(($(date +%s) - started)) s"
    (cd build && ctest --output-on-failure -j4 -LE 'wine_program|selftest_proxy') \
        >"$logs/ctest" 2>&1 &
    ctest=$!
else
    failed=1
fi
if finish "$fuzz_build" "Fuzzer build" "$logs/fuzz_build" 3 && [ "$failed" -eq 0 ]; then
    nice -n 10 bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}" >"$logs/fuzz" 2>&1 &
    fuzz=$!
    finish "$fuzz" Fuzzing "$logs/fuzz" 25 || failed=1
else
    failed=1
fi
finish "$sanitize" "Sanitizer builds and runs" "$logs/sanitize" || failed=1
if [ -n "${ctest:-}" ]; then finish "$ctest" "Native and Wine tests" "$logs/ctest" || failed=1; fi
exit "$failed"
