#!/usr/bin/env bash
# The stand-in host's live run under Wine: a second log replayed after the
# first, only the last QSOs typed with pauses, a screenshot after each typed
# letter and each logged QSO, each a BMP file of the whole screen that shows
# the province window as it was at that step.
#   stand_in_host_live_wine_test.sh WINE_SESSION STATE BIN_DIR SAMPLES_DIR
# Runs in the current folder, which it empties first (if made for a test).
set -uo pipefail
session=$1 state=$2 bin=$3 samples=$4

. "$(dirname "$0")/wine_test_lib.sh"
host() {
    bash "$session" run "$state" "$(windows_path "$bin/stand_in_host.exe")" \
        --dll "$(windows_path "$bin/Stats.dll")" "$@"
}
# Pixels of the exact colour in a picture.
count_colour() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}

empty_test_folder
mkdir Plugins
# Only the province window, at a place of its own.
printf '%s\r\n' '[Settings]' Province=1 ea_x=20 ea_y=20 >Plugins/KOLVEX.ini
# Nine made-up QSOs, then three more on 20 m typed live:
# VK3QZD, EA1QZS (a new province there) and N9QZF.
head -n 15 "$samples/demo_live.adi" >first.adi
{ head -n 6 "$samples/demo_live.adi"; tail -n 3 "$samples/demo_live.adi"; } >then.adi

host --log "$(windows_path first.adi)" --then "$(windows_path then.adi)" --automation \
    --live 3 --type-pause-ms 800 --screenshots shots >live.txt 2>live.err
check "live run exits 0" test $? -eq 0
check "both logs read" test "$(grep -c '^log .*: [39] QSOs, 0 unreadable tags$' live.txt)" = 2
check "every QSO replayed" grep -q '^QSOs: 12 replayed; AddData0 entered 12, refused 0$' live.txt
# Letters plus one after logging: 7 + 7 + 6.
check "live summary" grep -qx 'live: QSOs 10 to 12 typed with 800 ms pauses, the 9 before quickly; GetResult0 after each QSO; 20 screenshots, 0 failed' live.txt
check "one line a screenshot, numbered on" \
    test "$(grep -c '^screenshot: shots\\step_00[0-2][0-9]\.bmp$' live.txt)" = 20
check "twenty files" test "$(ls shots | wc -l)" = 20
check "a whole-screen 24-bit BMP" \
    test "$(identify -format '%m %wx%h %z' shots/step_0020.bmp)" = "BMP3 1280x1024 8"
check "BMP file size" test "$(stat -c %s shots/step_0020.bmp)" = $((54 + 1280 * 3 * 1024))
# Step 14 comes after EA1QZS is logged, step 13 before it: one more
# province cell turned magenta.  The pauses are long enough for a refresh
# on a busy machine; the host waits them out, it does not race them.
before=$(count_colour shots/step_0013.bmp '#FF00FF')
after=$(count_colour shots/step_0014.bmp '#FF00FF')
check "worked provinces shown ($before magenta pixels before, $after after)" test "$after" -gt "$before"
check "province window in the picture" test "$(count_colour shots/step_0001.bmp '#00FF00')" -gt 1000

host --log "$(windows_path first.adi)" --live 3 --export >export.txt 2>&1
check "--live with --export refused" test $? -eq 2
host --log "$(windows_path first.adi)" --screenshots shots >alone.txt 2>&1
check "--screenshots without --live refused" test $? -eq 2

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
