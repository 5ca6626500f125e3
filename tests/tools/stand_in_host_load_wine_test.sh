#!/usr/bin/env bash
# A load run of the stand-in host through the real Stats.dll under Wine:
# COUNT made-up QSOs added (a CheckCall0 between every two, GetResult0 every
# 100), then all removed in shuffled order.  The host itself checks that the
# emptied log gives the empty log's result and that its heap shrinks back;
# here the exit code, the figures and the bad-QSO file left are checked.
#   stand_in_host_load_wine_test.sh WINE_SESSION STATE BIN_DIR [COUNT]
# COUNT defaults to 100000 (about 35 s under Wine on two cores).  Runs in
# the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 bin=$3 count=${4:-100000}

. "$(dirname "$0")/wine_test_lib.sh"

empty_test_folder
started=$(date +%s)
bash "$session" run "$state" "$(windows_path "$bin/stand_in_host.exe")" \
    --dll "$(windows_path "$bin/Stats.dll")" --load "$count" >load.txt 2>load.err
code=$?
cat load.txt load.err
echo "load run of $count QSOs: exit code $code after $(($(date +%s) - started)) s"

failed=0
fail() { echo "FAILED: $*"; failed=1; }
case $code in
    0) ;;
    4) fail "the emptied log's result is not the empty log's" ;;
    5) fail "the heap did not shrink back once the log was empty" ;;
    *) fail "stand-in host exit code $code" ;;
esac
grep -q "^load: $count QSOs added, $count entered" load.txt || fail "not every QSO entered"
for when in "at the start" "with full log" "at the end"; do
    grep -q "^memory $when " load.txt || fail "no memory figures $when"
done
bad=$(ls BadQSO_StatsKOLVEX_*.txt 2>/dev/null)
cmp -s <(printf 'KOLVEX TEST UBN file  \r\n') "${bad:-/dev/null}" ||
    fail "the bad-QSO file still holds lines once every QSO is removed"
exit "$failed"
