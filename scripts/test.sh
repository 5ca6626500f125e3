#!/usr/bin/env bash
# Installs the tools, then runs every test:
#  1. the main build (which cross-builds Stats.dll, the Windows tests and
#     the self-test kit into build/win32), on both cores;
#  2. then three things side by side, each with its output kept apart and
#     shown when it ends:
#     - one ctest run of the main build: the kit unpacked and run by
#       run-tests.cmd in two fresh Wine sessions (the Windows test programs,
#       each once), the stand-in host's shell tests in two more sessions,
#       and the native checks;
#     - the native tests under AddressSanitizer + UndefinedBehaviorSanitizer,
#       and the two-thread test of the shared state under ThreadSanitizer;
#     - the host-calls fuzzer for a bounded time (60 s, or FUZZ_SECONDS).
#     The Wine tests mostly wait (for windows, timers, the host's pace), so
#     the sanitizer builds and the fuzzer run at the lowest priority in the
#     time they leave: a Wine test that needs a core gets it at once.
#  The native unit tests run under the sanitizers, so the main build leaves
#  them out; the test programs one by one (label wine_program) and the three
#  more runs of the kit, at 120 DPI, with another dialog font and under a
#  window manager (label selftest_proxy), are left to a ctest by hand.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

started=$(date +%s)
elapsed() { echo "$(($(date +%s) - started)) s"; }

echo "== Main build"
cmake -S . -B build -DSTATS_UNIT_TESTS=OFF
cmake --build build -j2
echo "== Main build done after $(elapsed)"

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
(cd build && ctest --output-on-failure -j4 -LE 'wine_program|selftest_proxy') >"$logs/ctest" 2>&1 &
ctest=$!
nice -n 19 bash scripts/sanitize.sh >"$logs/sanitize" 2>&1 &
sanitize=$!
nice -n 19 bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}" >"$logs/fuzz" 2>&1 &
fuzz=$!

# Waits for one of the three and shows its output: all of it, or for the
# fuzzer its last lines unless it failed.  Returns its exit code.
finish() {  # pid, name, log
    local status=0
    wait "$1" || status=$?
    echo "== $2: exit code $status after $(elapsed)"
    if [ "$2" = Fuzzing ] && [ "$status" -eq 0 ]; then
        tail -n 25 "$3"
    else
        cat "$3"
    fi
    return "$status"
}

failed=0
finish "$sanitize" "Sanitizer builds" "$logs/sanitize" || failed=1
finish "$fuzz" Fuzzing "$logs/fuzz" || failed=1
finish "$ctest" "Native and Wine tests" "$logs/ctest" || failed=1
exit "$failed"
