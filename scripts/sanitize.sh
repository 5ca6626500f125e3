#!/usr/bin/env bash
# Sanitizer runs of the native tests:
#  - build-asan: g++ with AddressSanitizer and UndefinedBehaviorSanitizer,
#    the whole native test suite through ctest (the Wine tests excepted:
#    they run the cross-built DLL, which no sanitizer instruments);
#  - build-tsan: g++ with ThreadSanitizer, the shared-state thread test.
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
    -DSTATS_BENCH=OFF -DCMAKE_PROJECT_INCLUDE="$root/cmake/sanitize.cmake" >/dev/null
}

# The names of the tests that need Wine or the cross-built DLL.
wine_tests() {  # build folder
  ctest --test-dir "$1" --show-only=json-v1 | python3 -c '
import json, re, sys
names = []
for test in json.load(sys.stdin).get("tests", []):
    props = {p["name"]: p["value"] for p in test.get("properties", [])}
    fixtures = " ".join(str(props.get(k, "")) for k in
                        ("FIXTURES_REQUIRED", "FIXTURES_SETUP", "FIXTURES_CLEANUP"))
    command = " ".join(test.get("command", []))
    if "wine" in fixtures or re.search(r"wine|win32|mingw|\.exe\b|\.dll\b", command):
        names.append("^" + re.escape(test["name"]) + "$")
print("|".join(names))'
}

run_asan() {
  local build="$root/build-asan"
  configure "$build" address
  # Every native target; the cross build of the DLL (win32) is left out.
  local targets
  targets=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p' |
    grep -vE '[./]|^(all|clean|depend|edit_cache|rebuild_cache|test|install.*|list_install_components|win32.*)$' || true)
  # shellcheck disable=SC2086
  cmake --build "$build" -j2 --target $targets
  local skip
  skip=$(wine_tests "$build")
  if [ -n "$skip" ]; then
    ctest --test-dir "$build" --output-on-failure -j2 -E "$skip"
  else
    ctest --test-dir "$build" --output-on-failure -j2
  fi
}

run_tsan() {
  local build="$root/build-tsan"
  configure "$build" thread
  cmake --build "$build" --target core_tests -j2
  ctest --test-dir "$build" --output-on-failure -R '^SharedState\.'
}

case "$which" in
  asan) run_asan ;;
  tsan) run_tsan ;;
  all) run_asan; run_tsan ;;
  *) echo "usage: $0 [asan|tsan]" >&2; exit 2 ;;
esac
