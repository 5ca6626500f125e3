#!/usr/bin/env bash
# The self-test kit as an operator runs it: the zip unpacked into a folder of
# its own, made read-only where the machine allows (a read-only bind mount),
# and run-tests.cmd run by Wine's cmd in a fresh Wine prefix.
#   selftest_kit_wine_test.sh WINE_SESSION STATE ZIP PROGRAMS [STAND_INS]
# PROGRAMS names the kit's test programs as the build lists them.  The kit
# must end with exit code 0 and the line "N passed, 0 failed, K skipped",
# have run every one of them, and leave a report that holds what it printed,
# and the registry entry of an installed MixW as it found it.  Without the
# small file system (no STATS_SMALL_DISK) the full-disk case must be skipped
# with its reason, and its program still pass.
# With STAND_INS, the folder of the kit_stand_in_*.exe, the count is tried
# instead: in the unpacked copy the first listed program is replaced by one
# with two failed cases, the second by one that crashes, the third is
# deleted, the fourth runs no case, the fifth skips its two cases and the
# others pass with one skipped case each; the run must end with exactly those
# counts, each of the four failed, and exit code 1.
# WINE_SESSION "bare" runs the kit as a Linux user runs it: a new prefix made
# by `wineboot --init` alone, on an Xvfb display of its own, with no window
# manager and nothing else set; otherwise it is scripts/wine-session.sh,
# whose start WINE_SESSION_DPI and the like reach.
# With KIT_SECOND_SESSION set to some of PROGRAMS, the kit runs in two
# fresh sessions side by side, from two unpacked copies: those programs in
# the second, the others and the stand-in host's run in the first (each
# named to run-tests.cmd); each run is checked as a whole kit run, and every
# program must have run once.  Not with STAND_INS or "bare".
# Runs in the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 zip=$3 programs=$4 stand_ins=${5:-}

. "$(dirname "$0")/wine_test_lib.sh"

# The read-only mounts of an interrupted run would keep their files.
unmount_kits() {
    local folder
    for folder in kit kit-2; do
        if grep -qs " $(readlink -f $folder) " /proc/mounts; then
            umount $folder || umount -l $folder
        fi
    done
}
empty_test_folder unmount_kits

# shellcheck disable=SC2086  # the list splits into the names
set -- $programs
# The programs of each run (none named: the whole kit).
firsts=() seconds=()
if [ -n "${KIT_SECOND_SESSION:-}" ] && [ -z "$stand_ins" ] && [ "$session" != bare ]; then
    read -ra seconds <<<"$KIT_SECOND_SESSION"
    for program in "$@" stand_in_host; do
        [[ " ${seconds[*]} " == *" $program "* ]] || firsts+=("$program")
    done
fi
runs=1 kits=(kit)
[ "${#seconds[@]}" -eq 0 ] || runs=2 kits=(kit kit-2)
for folder in "${kits[@]}"; do
    mkdir $folder
    unzip -q "$zip" -d $folder || exit 1
done

count_run=no
if [ -n "$stand_ins" ]; then
    count_run=yes failing=$1 crashing=$2 missing=$3 idle=$4 skipping=$5
    cp "$stand_ins/kit_stand_in_fails.exe" "kit/$failing.exe"
    cp "$stand_ins/kit_stand_in_crashes.exe" "kit/$crashing.exe"
    rm "kit/$missing.exe"
    cp "$stand_ins/kit_stand_in_runs_none.exe" "kit/$idle.exe"
    cp "$stand_ins/kit_stand_in_skips.exe" "kit/$skipping.exe"
    for program in "${@:6}"; do cp "$stand_ins/kit_stand_in_passes.exe" "kit/$program.exe"; done
fi

read_only=yes
for folder in "${kits[@]}"; do
    if mount --bind $folder $folder 2>/dev/null; then
        mount -o remount,bind,ro $folder 2>/dev/null || { umount $folder; read_only=no; }
    else
        read_only=no
    fi
done

# The session of run N (1 or 2) in STATE or STATE-2.
state_of() { if [ "$1" = 1 ]; then echo "$state"; else echo "$state-$1"; fi; }
if [ "$session" = bare ]; then
    . "$(dirname "$0")/bare_wine_prefix.sh"
    start_wine() { start_bare_prefix "$state"; }
    wine_run() { shift; wine "$@" </dev/null; }
    stop_wine() { stop_bare_prefix "$state"; }
else
    start_wine() { bash "$session" start "$(state_of "$1")"; }
    wine_run() { local n=$1; shift; bash "$session" run "$(state_of "$n")" "$@"; }
    stop_wine() { bash "$session" stop "$(state_of "$1")" >/dev/null; }
fi
for n in $(seq "$runs"); do
    stop_wine "$n"
    rm -rf "$(state_of "$n")"
done
finish() {
    for n in $(seq "$runs"); do stop_wine "$n"; done
    unmount_kits
}
trap finish EXIT

# The class entry of an installed MixW, which the kit must leave as it was.
progid='HKCU\Software\Classes\MixW2.Application\CLSID'
mixw_class='{0DDC0DE5-0000-4000-8000-00000000A11C}'

# Run N of the kit, with the programs named (none: all) in its own session:
# what it printed in printed-N.txt, its exit code in code-N.txt.
run_kit() {
    local n=$1 started
    shift
    start_wine "$n" >"session-$n.txt" 2>&1 || { cat "session-$n.txt"; echo 2 >"code-$n.txt"; return; }
    [ "$session" = bare ] || wine_run "$n" reg add "$progid" /ve /d "$mixw_class" /f >/dev/null 2>&1
    started=$(date +%s)
    (cd "${kits[$((n - 1))]}" && wine_run "$n" cmd /c run-tests.cmd "$@") >"output-$n.txt" \
        2>"errors-$n.txt"
    echo $? >"code-$n.txt"
    tr -d '\r' <"output-$n.txt" >"printed-$n.txt"
    echo "kit run $n: exit code $(cat "code-$n.txt") after $(($(date +%s) - started)) s" >"took-$n.txt"
}
if [ "$runs" = 1 ]; then
    run_kit 1
else
    run_kit 1 "${firsts[@]}" &
    run_kit 2 "${seconds[@]}"
    wait
fi
for n in $(seq "$runs"); do
    cat "printed-$n.txt" "took-$n.txt" 2>/dev/null
done
echo "kit folder read-only: $read_only"
cat printed-*.txt >printed.txt
code=$(cat code-1.txt)
closing=$(tail -n 1 printed-1.txt)

if [ "$count_run" = yes ]; then
    others=$(($# - 5))
    check "exit code 1" test "$code" -eq 1
    check "closing line counts them all: $closing" test "$closing" = \
        "$((2 * others + 1 + 1)) passed, 5 failed, $((others + 2)) skipped"
    check "$failing failed with its two cases" \
        grep -qx "$failing: FAILED: 1 passed, 2 failed, 0 skipped, exit code 1" printed.txt
    check "$crashing failed by its crash" \
        grep -qE "^$crashing: FAILED: 0 passed, 1 failed, 0 skipped, exit code -?[1-9]" printed.txt
    check "$missing failed as missing" \
        grep -qx "$missing: FAILED: 0 passed, 1 failed, 0 skipped, exit code none" printed.txt
    check "and said so" grep -q "^$missing.exe is missing from " printed.txt
    check "$idle failed, having run no case" grep -qx "$idle ran no test case" printed.txt &&
        grep -qx "$idle: FAILED: 0 passed, 1 failed, 0 skipped, exit code 0" printed.txt
    check "$skipping passed, its cases skipped" \
        grep -qx "$skipping: passed: 0 passed, 0 failed, 2 skipped, exit code 0" printed.txt
    for program in "${@:6}"; do
        check "$program passed" \
            grep -qx "$program: passed: 2 passed, 0 failed, 1 skipped, exit code 0" printed.txt
    done
    check "stand_in_host passed" grep -qE '^stand_in_host: passed: 1 passed, ' printed.txt
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
fi

# Each run as a whole kit run: its exit code, its closing line, its report.
for n in $(seq "$runs"); do
    printed=printed-$n.txt
    check "run $n: exit code 0" test "$(cat "code-$n.txt")" -eq 0
    closing=$(tail -n 1 "$printed")
    check "run $n: closing line says no failure: $closing" \
        grep -qxE '[0-9]+ passed, 0 failed, [0-9]+ skipped' <<<"$closing"
    report=$(sed -n 's/^Finished .*; report: //p' "$printed")
    if [ "$read_only" = yes ]; then
        check "run $n: report in %TEMP% beside a read-only kit" \
            grep -q '\\Temp\\selftest-report.txt$' <<<"$report"
    fi
    unix_report=$(wine_run "$n" winepath -u "$report" 2>/dev/null)
    check "run $n: report holds what the kit printed" cmp -s "$printed" <(tr -d '\r' <"$unix_report")
    if [ "$session" != bare ]; then
        check "run $n: MixW's class entry as it was" \
            grep -qF "$mixw_class" <(wine_run "$n" reg query "$progid" /ve 2>/dev/null)
    fi
    check "run $n: nothing on the error output" test ! -s "errors-$n.txt" || cat "errors-$n.txt"
done
for program in "$@" stand_in_host; do
    check "$program ran once and passed" \
        test "$(grep -cE "^$program: passed: " printed.txt)" = 1
done
if [ -z "${STATS_SMALL_DISK:-}" ]; then
    check "full disk case skipped, with its reason" \
        grep -q 'small file system' <(grep -A1 'fault_injection_win_test.cpp:[0-9]*: Skipped' printed.txt)
    check "and its program passed" grep -q '^fault_injection_win_test: passed: .* [1-9][0-9]* skipped' \
        printed.txt
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
