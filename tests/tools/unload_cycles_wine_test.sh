#!/usr/bin/env bash
# Unloading the real Stats.dll with its windows open, COUNT times: the
# stand-in host serves the automation object, loads the plug-in, resets it
# (the window thread starts with the Setup window and, from the stored
# choices, all four information windows), types a call, then unloads it.
# Every FreeLibrary must return within 3 s, the module must be gone and no
# window of the plug-in may stay; nor may the heap in use keep growing with
# the cycles (after the first, about 50 KB in 100 cycles is Wine's own).
#   unload_cycles_wine_test.sh WINE_SESSION STATE BIN_DIR [COUNT]
# Runs in the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 bin=$3 count=${4:-100}

. "$(dirname "$0")/wine_test_lib.sh"

empty_test_folder
mkdir Plugins
printf '[Settings]\r\nEA100DX=1\r\nCall_Area=1\r\nProvince=1\r\nsetup_view_prev_qso=1\r\n' \
    >Plugins/KOLVEX.ini
bash "$session" run "$state" "$(windows_path "$bin/stand_in_host.exe")" \
    --dll "$(windows_path "$bin/Stats.dll")" --automation --cycles "$count" >cycles.txt 2>&1
code=$?
grep -v '^macro: ' cycles.txt | tail -n 3

failed=0
fail() { echo "FAILED: $*"; failed=1; }
[ "$code" -eq 0 ] || fail "stand-in host exit code $code"
grep -q "^cycles: $count run; .* over 3000 ms: 0; module stayed: 0; windows stayed: 0" cycles.txt ||
    fail "a cycle was slow or left the module or a window behind"
grown=$(sed -n 's/^cycles: .* grew after the first by \([0-9]*\) bytes$/\1/p' cycles.txt)
[ -n "$grown" ] && [ "$grown" -le 262144 ] || fail "the heap in use grew by ${grown:-?} bytes"
# The windows were really open when the plug-in went.
open=$(grep -c '^cycle [0-9]*: 5 windows open;' cycles.txt)
[ "$open" -eq "$count" ] || fail "only $open of $count cycles had all five windows open"
exit "$failed"
