#!/usr/bin/env bash
# The self-test kit as an operator runs it: the zip unpacked into a folder of
# its own, made read-only where the machine allows (a read-only bind mount),
# and run-tests.cmd run by Wine's cmd in a fresh Wine session (a new prefix).
# The kit must end with exit code 0 and the line "N passed, 0 failed, K
# skipped", have run every program, and leave a report that holds what it
# printed, and the registry entry of an installed MixW as it found it.
# Without the small file system (no STATS_SMALL_DISK) the full-disk
# case must be skipped with its reason, and its program still pass.
#   selftest_kit_wine_test.sh WINE_SESSION STATE ZIP
# Runs in the current folder, which it empties first.  WINE_SESSION_DPI and
# WINE_SESSION_DIALOG_FONT reach the session's start (scripts/wine-session.sh).
set -uo pipefail
session=$1 state=$2 zip=$3

. "$(dirname "$0")/wine_test_lib.sh"

rm -rf ./* 2>/dev/null
mkdir kit
unzip -q "$zip" -d kit || exit 1
read_only=no
if mount --bind kit kit 2>/dev/null; then
    if mount -o remount,bind,ro kit 2>/dev/null; then read_only=yes; else umount kit; fi
fi
bash "$session" stop "$state" >/dev/null
rm -rf "$state"
finish() {
    bash "$session" stop "$state" >/dev/null
    [ "$read_only" = no ] || umount kit || umount -l kit
}
trap finish EXIT
bash "$session" start "$state" >session.txt 2>&1 || { cat session.txt; exit 1; }

# The class entry of an installed MixW, which the kit must leave as it was.
progid='HKCU\Software\Classes\MixW2.Application\CLSID'
mixw_class='{0DDC0DE5-0000-4000-8000-00000000A11C}'
bash "$session" run "$state" reg add "$progid" /ve /d "$mixw_class" /f >/dev/null 2>&1

started=$(date +%s)
(cd kit && bash "$session" run "$state" cmd /c run-tests.cmd) >output.txt 2>errors.txt
code=$?
tr -d '\r' <output.txt >printed.txt
cat printed.txt
echo "kit folder read-only: $read_only; kit run: exit code $code after $(($(date +%s) - started)) s"

check "exit code 0" test "$code" -eq 0
closing=$(tail -n 1 printed.txt)
check "closing line says no failure: $closing" \
    grep -qxE '[0-9]+ passed, 0 failed, [0-9]+ skipped' <<<"$closing"
programs=$(cd kit && ls -- *_win_test.exe | sed 's/\.exe$//')
for program in $programs stand_in_host; do
    check "$program ran and passed" grep -qE "^$program: passed: " printed.txt
done
report=$(sed -n 's/^Finished .*; report: //p' printed.txt)
if [ "$read_only" = yes ]; then
    check "report in %TEMP% beside a read-only kit" grep -q '\\Temp\\selftest-report.txt$' <<<"$report"
fi
unix_report=$(bash "$session" run "$state" winepath -u "$report" 2>/dev/null)
check "report holds what the kit printed" cmp -s printed.txt <(tr -d '\r' <"$unix_report")
if [ -z "${STATS_SMALL_DISK:-}" ] && [ -f kit/fault_injection_win_test.exe ]; then
    check "full disk case skipped, with its reason" \
        grep -q 'small file system' <(grep -A1 'fault_injection_win_test.cpp:[0-9]*: Skipped' printed.txt)
    check "and its program passed" grep -q '^fault_injection_win_test: passed: .* [1-9][0-9]* skipped' \
        printed.txt
fi
check "MixW's class entry as it was" \
    grep -qF "$mixw_class" <(bash "$session" run "$state" reg query "$progid" /ve 2>/dev/null)
check "nothing on the error output" test ! -s errors.txt || cat errors.txt

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
