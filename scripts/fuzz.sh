#!/usr/bin/env bash
# Builds the host-calls fuzzer with clang (libFuzzer, ASan, UBSan) in
# build-fuzz and runs it for a bounded time on a copy of fuzz/corpus.  Its
# inputs mix the host's calls with refresh passes of the window thread, so
# the bounded run covers both.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
# Exits non-zero when the fuzzer finds a crash or a broken invariant; the
# input that did it is left in build-fuzz/artifacts/.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTATS_BENCH=OFF -DSTATS_WINE=OFF >/dev/null
cmake --build "$build" --target host_calls_fuzzer -j2

work="$build/corpus-run"
rm -rf "$work"
mkdir -p "$work" "$build/artifacts"
cp "$root"/fuzz/corpus/* "$work"/

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/host_calls_fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
  -max_len=8192 -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$work"
