#!/usr/bin/env bash
# The stand-in host driving the real Stats.dll under Wine: an export run of
# the sample log (header dialog filled in, Output box confirmed, Cabrillo
# file and settings checked), then a run of the hand-made edge cases.
#   stand_in_host_wine_test.sh WINE_SESSION STATE BIN_DIR SAMPLES_DIR
# Runs in the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 bin=$3 samples=$4

. "$(dirname "$0")/wine_test_lib.sh"
host() { bash "$session" run "$state" "$(windows_path "$bin/stand_in_host.exe")" \
    --dll "$(windows_path "$bin/Stats.dll")" "$@"; }

empty_test_folder
log=$(windows_path "$samples/kolvex_sample.adi")
cty=$(windows_path "$samples/cty.dat")

host --export --mixw-version 3.1.1 --log "$log" --cty "$cty" >export.txt 2>export.err
check "export run exits 0" test $? -eq 0
check "header dialog shown with the own call" \
    grep -q '^  CALLSIGN              1010  "DF7KV"$' export.txt
check "Output box confirmed" grep -q '^Output box: "File produced: DF7KV.cbr"$' export.txt

score=$(sed -n 's/^Score: .* = \([0-9-]*\)\r$/\1/p' export.txt)
entered=$(sed -n 's/^QSOs: .* entered \([0-9]*\), .*/\1/p' export.txt)
printf '%s\r\n' "START-OF-LOG: 2.0" "ARRL-SECTION: DX" "CALLSIGN: DF7KV" \
    "CLUB: Stand-in Contest Club" "CONTEST: DARNOL" "CATEGORY: SINGLE-OP ALL" \
    "CLAIMED-SCORE: $score" "OPERATORS: DF7KV" "NAME: Karl Vogel" \
    "ADDRESS: Lindenstrasse 12" "ADDRESS: 80331 Muenchen" "SOAPBOX: " \
    "EMAIL: df7kv@example.org" "CREATED-BY: MixW 3.1.1" >header.expected
check "score found in the result" test -n "$score"
# The totals of an independent scorer of the same log.
python3 "$(dirname "$0")/reference_score.py" "$samples/kolvex_sample.adi" \
    "$(dirname "$0")/../../tools" >total.expected
check "totals agree with the reference scorer" \
    cmp -s total.expected <(grep -a '^Total' export.txt | tr -d '\r')
check "Cabrillo header byte for byte" cmp -s header.expected <(head -n 14 DF7KV.cbr)
check "one Cabrillo QSO line per entered QSO" \
    test "$(grep -c '^QSO: ' DF7KV.cbr)" = "$entered"
check "Cabrillo file ends with END-OF-LOG" \
    cmp -s <(printf 'END-OF-LOG:\r\n') <(tail -c 13 DF7KV.cbr)
check "address kept in the settings file" \
    grep -q '^Address=Lindenstrasse 12<CR><LF>80331 Muenchen' Plugins/KOLVEX.ini
check "bad-QSO file starts with its header" \
    cmp -s <(printf 'KOLVEX TEST UBN file \r\n') <(head -n 1 BadQSO_StatsKOLVEX_12_02_2017.txt)

# Broken dates, missing fields, a cut-off record and removals must all be
# taken without a crash; the log then holds what was entered less removed.
host --log "$(windows_path "$samples/edge_cases.adi")" --cty "$cty" --remove 2 \
    --start 20170415 --end 20170416 >edge.txt 2>edge.err
check "edge-case run exits 0" test $? -eq 0
check "edge-case run removes QSOs" grep -q '^RemoveData0: 12 QSOs removed' edge.txt

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
