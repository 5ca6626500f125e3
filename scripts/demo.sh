#!/usr/bin/env bash
# Builds Stats.dll and the stand-in host and lets the host play MixW with
# the plug-in under Wine, in two runs:
#  1. an export run of the sample log: the Cabrillo header dialog, the
#     result table, the Cabrillo file and the bad-QSO file;
#  2. a live run with the plug-in's five windows open: the sample log again,
#     quickly, then twelve more QSOs typed letter by letter with the dial
#     following each one; the screen is photographed after every letter and
#     every logged QSO, and the pictures become PNG files and an animated GIF.
# The windows show on your X display when DISPLAY answers, else on a
# private Xvfb display.
#   STATS_BUILD_DIR  build folder (default build/); the demo goes to its demo/
#   STATS_WIN32_DIR  cross-build folder (default $STATS_BUILD_DIR/win32)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${STATS_BUILD_DIR:-$root/build}
win32=${STATS_WIN32_DIR:-$build/win32}

bash scripts/install-deps.sh >/dev/null
# Only the two programs the demo runs, in the folder where the full build
# keeps its cross build.
cmake -S . -B "$win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$win32" -j2 --target Stats stand_in_host >/dev/null
bin=$win32/bin

# An X display that answers is used as it is; Wine keeps its own prefix.
if [ -n "${DISPLAY:-}" ] && { xdpyinfo >/dev/null 2>&1 || xset q >/dev/null 2>&1; }; then
    export WINE_SESSION_DISPLAY=$DISPLAY
    screen="your display $DISPLAY"
else
    unset WINE_SESSION_DISPLAY
    screen="a private Xvfb display"
fi
state=$build/wine-demo
work=$build/demo
bash scripts/wine-session.sh start "$state" >/dev/null
trap 'bash "$root/scripts/wine-session.sh" stop "$state" >/dev/null' EXIT
windows_path() { WINEPREFIX=$state/prefix WINEDEBUG=-all winepath -w "$1"; }
host() { bash "$root/scripts/wine-session.sh" run "$state" "$bin/stand_in_host.exe" "$@"; }
sample=$(windows_path "$root/samples/kolvex_sample.adi")
cty=$(windows_path "$root/samples/cty.dat")

# A host folder with the plug-in in its Plugins folder.
new_host_folder() {
    rm -rf "$1"
    mkdir -p "$1/Plugins"
    cp "$bin/Stats.dll" "$1/Plugins/"
}
rm -rf "$work"
mkdir -p "$work"

# 1. The export run.
new_host_folder "$work/export"
cd "$work/export"
host --dll 'Plugins\Stats.dll' --log "$sample" --cty "$cty" --export
echo
echo "Files the plug-in wrote in $work/export:"
find . -type f ! -name Stats.dll | sort | sed 's|^\./|  |'

# 2. The live run.  The stored choices open all four information windows;
# each window has a place of its own (screen pixels) on a 1280x1024 screen.
new_host_folder "$work/live"
cd "$work/live"
printf '%s\r\n' '[Settings]' EA100DX=1 Call_Area=1 Province=1 setup_view_prev_qso=1 \
    ea_x=10 ea_y=10 area_x=340 area_y=10 setup_x=505 setup_y=10 \
    dxcc_x=10 dxcc_y=260 prev_x=388 prev_y=260 >Plugins/KOLVEX.ini
# The windows' area, for the animation.
crop=760x492+0+0
shots=$work/screenshots
mkdir -p "$work/bmp"
echo
echo "Live run on $screen: the five windows while 12 QSOs are typed ..."
if ! host --dll 'Plugins\Stats.dll' --log "$sample" --cty "$cty" \
    --then "$(windows_path "$root/samples/demo_live.adi")" \
    --automation --live 12 --type-pause-ms 250 \
    --screenshots "$(windows_path "$work/bmp")" --hold-ms 3000 >"$work/live-run.txt"; then
    tail -n 20 "$work/live-run.txt"
    exit 1
fi
grep -E '^(live|QSOs|unload):' "$work/live-run.txt" | sed 's/^/  /'

mkdir -p "$shots"
mogrify -path "$shots" -format png "$work"/bmp/step_*.bmp
rm -rf "$work/bmp"
frames=("$shots"/step_*.png)
# Each frame cut to the windows as it is read ("file[WxH+X+Y]"), so that
# ImageMagick never holds the whole screens (its disk cache is 1 GiB).
cut=("${frames[@]/%/[$crop]}")
# Each step 0.4 s, the last one 4 s; only what changed from frame to frame is stored.
convert -loop 0 -delay 40 "${cut[@]}" -delay 400 "${cut[-1]}" +repage \
    -layers Optimize "$work/demo.gif"
echo
echo "Screenshots (${#frames[@]} steps): $shots/"
echo "Animation: $work/demo.gif ($(du -k "$work/demo.gif" | cut -f1) KiB)"
echo "The live run's whole output: $work/live-run.txt"
