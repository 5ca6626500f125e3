#!/usr/bin/env bash
# Installs the tools, then runs every test:
#  1. the native tests under AddressSanitizer + UndefinedBehaviorSanitizer,
#     and the two-thread test of the shared state under ThreadSanitizer;
#  2. the host-calls fuzzer for a bounded time (60 s, or FUZZ_SECONDS);
#  3. the main build (which cross-builds Stats.dll and the Windows tests
#     into build/win32) with every native and Wine test in one ctest run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== Sanitizer builds"
bash scripts/sanitize.sh

echo "== Fuzzing"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== Native and Wine tests"
cmake -S . -B build
cmake --build build -j2
cd build
ctest --output-on-failure
