#!/usr/bin/env bash
# Builds the host-calls fuzzer with clang (libFuzzer, ASan, UBSan) in
# build-fuzz and runs it for a bounded time on a copy of fuzz/corpus.  Its
# inputs mix the host's calls with refresh passes of the window thread, so
# the bounded run covers both.
# Usage: scripts/fuzz.sh [seconds] [workers]   (defaults 60 and 1)
#        scripts/fuzz.sh build                  (the build alone)
# The workers are processes of their own on one shared corpus folder
# (build-fuzz/campaign/corpus), each taking up the others' finds as it goes.
# At the end it prints, for each worker, the inputs run, the inputs a second
# over the first and the last stretch, its peak memory and how it ended; then
# the coverage of the shared corpus and any artifact.
# Exits non-zero when a worker finds a crash, a broken invariant, a time-out
# (an input running 10 s: every one should take well under a second) or an
# out-of-memory stop; the input that did it is left in build-fuzz/artifacts/.
set -euo pipefail

seconds="${1:-60}"
workers="${2:-1}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTATS_BENCH=OFF -DSTATS_WINE=OFF >/dev/null
cmake --build "$build" --target host_calls_fuzzer -j2
[ "$seconds" != build ] || exit 0

fuzzer="$build/host_calls_fuzzer"
work="$build/campaign"
artifacts="$build/artifacts"
rm -rf "$work"
mkdir -p "$work/corpus" "$work/logs" "$artifacts"
cp "$root"/fuzz/corpus/* "$work/corpus/"

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# A quarter of ASan's usual quarantine of freed memory: a run frees at most
# some megabytes, so a use after free is still caught, and a worker's memory
# stays some hundreds of megabytes lower.
export ASAN_OPTIONS=quarantine_size_mb=64
# About twenty rate lines a run; the first and the last give the summary's speeds.
export FUZZ_REPORT_SECONDS=$((seconds >= 40 ? seconds / 20 : 2))

pids=()
for w in $(seq 1 "$workers"); do
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$artifacts/worker$w-" "$work/corpus" \
    >"$work/logs/worker$w.log" 2>&1 &
  pids+=("$!")
done

# A worker that stopped on a fault shows its whole log, before the summary.
failed=0
codes=()
for w in $(seq 1 "$workers"); do
  code=0
  wait "${pids[$((w - 1))]}" || code=$?
  codes+=("$code")
  if [ "$code" -ne 0 ]; then
    failed=1
    echo "== worker $w's whole log"
    cat "$work/logs/worker$w.log"
  fi
done

# How a worker ended, from its exit code and its log.
ending() {
  local code="$1" log="$2"
  if [ "$code" -eq 0 ]; then echo "ran its time"; return; fi
  local why
  why=$(grep -o -m1 -E 'libFuzzer: (timeout|out-of-memory[^)]*\)|deadly signal)|invariant broken at [^ ]*|ERROR: [A-Za-z]+Sanitizer: [a-z-]+' "$log" || true)
  echo "stopped (exit code $code): ${why:-see its log}"
}

# The inputs a second over a worker's first and last stretch, from its rate
# lines; a run too short for them gives libFuzzer's average.
speeds() {
  local log="$1" first last
  first=$(grep -m1 '^rate:' "$log" | awk '{print $4}' || true)
  last=$(grep '^rate:' "$log" | tail -n1 | awk '{print $4}' || true)
  if [ -z "$first" ]; then
    first=$(grep -m1 'stat::average_exec_per_sec' "$log" | awk '{print $2}' || true)
    last="$first"
  fi
  echo "${first:-?} at the start, ${last:-?} at the end"
}

stat_of() { grep -m1 "stat::$1:" "$2" | awk '{print $2}' || true; }

# A worker stopped by a fault prints no final figures: its last status line
# gives its memory.
peak_of() {
  local peak
  peak=$(stat_of peak_rss_mb "$1")
  [ -n "$peak" ] || peak=$(grep -o 'rss: [0-9]*' "$1" | tail -n1 | awk '{print $2}' || true)
  echo "${peak:-?}"
}

echo "== Fuzzing summary: $workers worker(s) of $seconds s on $work/corpus"
total=0
for w in $(seq 1 "$workers"); do
  log="$work/logs/worker$w.log"
  inputs=$(stat_of number_of_executed_units "$log")
  [ -n "$inputs" ] && total=$((total + inputs))
  echo "worker $w: ${inputs:-?} inputs run; inputs/s $(speeds "$log");" \
    "peak memory $(peak_of "$log") MB; $(ending "${codes[$((w - 1))]}" "$log")"
done
echo "inputs run in all: $total"
coverage=$(FUZZ_REPORT_SECONDS=0 "$fuzzer" -runs=0 "$work/corpus" 2>&1 |
  grep -m1 'INITED' | grep -o 'cov: [0-9]* ft: [0-9]* corp: [^ ]*' || true)
echo "coverage of the shared corpus: ${coverage:-?}"
found=$(find "$artifacts" -type f -newer "$work/logs" 2>/dev/null || true)
echo "artifacts: ${found:-none}"
exit "$failed"
