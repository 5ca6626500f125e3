#!/usr/bin/env bash
# Installs the tools, then runs every test:
#  1. the native tests under AddressSanitizer + UndefinedBehaviorSanitizer,
#     and the two-thread test of the shared state under ThreadSanitizer;
#  2. the host-calls fuzzer for a bounded time (60 s, or FUZZ_SECONDS), in
#     the background while the main build compiles: it needs one core;
#  3. the main build (which cross-builds Stats.dll, the Windows tests and
#     the self-test kit into build/win32) with the rest of the tests in one
#     ctest run: the kit unpacked and run by run-tests.cmd in a fresh Wine
#     session (the Windows test programs, each once), the stand-in host's
#     shell tests in two more sessions beside it, and the native checks.
#     The native unit tests ran in step 1, so this build leaves them out;
#     the test programs one by one (label wine_program) and the three more
#     runs of the kit, at 120 DPI, with another dialog font and under a
#     window manager (label selftest_proxy), are left to a ctest by hand.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== Sanitizer builds"
bash scripts/sanitize.sh

echo "== Fuzzing (in the background) and the main build"
fuzz_log=$(mktemp)
trap 'rm -f "$fuzz_log"' EXIT
bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}" >"$fuzz_log" 2>&1 &
fuzz=$!
cmake -S . -B build -DSTATS_UNIT_TESTS=OFF
if ! cmake --build build -j2; then
    wait "$fuzz" || true
    exit 1
fi
fuzz_status=0
wait "$fuzz" || fuzz_status=$?
echo "== Fuzzing: the fuzzer's last lines"
tail -n 25 "$fuzz_log"
if [ "$fuzz_status" -ne 0 ]; then
    echo "fuzzing failed (exit code $fuzz_status); whole output:" >&2
    cat "$fuzz_log" >&2
    exit "$fuzz_status"
fi

echo "== Native and Wine tests"
cd build
ctest --output-on-failure -j4 -LE 'wine_program|selftest_proxy'
