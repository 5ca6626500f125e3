#!/usr/bin/env bash
# Sanitizer runs of the native tests:
#  - build-asan: g++ with AddressSanitizer and UndefinedBehaviorSanitizer,
#    the whole native test suite (without the Wine tests: they run the
#    cross-built DLL, which no sanitizer instruments; without the format
#    check, which builds nothing);
#  - build-tsan: g++ with ThreadSanitizer, the shared-state thread test
#    (built alone: no other test is compiled for it).
# Usage: scripts/sanitize.sh [asan|tsan]   (default: both)
# Exits non-zero on any sanitizer report or test failure.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which="${1:-all}"

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

configure() {  # build folder, sanitizer
  cmake -S "$root" -B "$1" -DCMAKE_BUILD_TYPE=Debug -DSTATS_SANITIZE="$2" \
    -DSTATS_BENCH=OFF -DSTATS_WINE=OFF -DCMAKE_PROJECT_INCLUDE="$root/cmake/sanitize.cmake" >/dev/null
}

run_asan() {
  local build="$root/build-asan"
  configure "$build" address
  cmake --build "$build" -j2
  # Each test program runs its cases in one process (ASan's start-up, paid
  # for each of 744 cases under ctest, took longer than the cases), the
  # core's in two shards side by side; ctest runs the rest.
  local shard status=0 pids=()
  for shard in 0 1; do
    GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX=$shard "$build/core_tests" --gtest_brief=1 &
    pids+=($!)
  done
  "$build/tools_tests" --gtest_brief=1 || status=1
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
  ctest --test-dir "$build" --output-on-failure -R '^html_result_in_chromium$' || status=1
  return "$status"
}

run_tsan() {
  local build="$root/build-tsan"
  configure "$build" thread
  cmake --build "$build" --target shared_state_thread_test -j2
  "$build/shared_state_thread_test"
}

case "$which" in
  asan) run_asan ;;
  tsan) run_tsan ;;
  all) run_asan; run_tsan ;;
  *) echo "usage: $0 [asan|tsan]" >&2; exit 2 ;;
esac
