#!/usr/bin/env bash
# Builds Stats.dll and lets the stand-in host replay the sample log through
# it under Wine, as MixW would: an export run with the Cabrillo header
# dialog, the result table, the Cabrillo file and the bad-QSO file.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh >/dev/null
cmake -S . -B build >/dev/null
cmake --build build -j2 >/dev/null

state=$root/build/wine-demo
work=$root/build/demo
bash scripts/wine-session.sh start "$state" >/dev/null
trap 'bash "$root/scripts/wine-session.sh" stop "$state" >/dev/null' EXIT

# The host's working folder, with the plug-in in its Plugins folder.
rm -rf "$work"
mkdir -p "$work/Plugins"
cp build/win32/bin/Stats.dll "$work/Plugins/"
cd "$work"

windows_path() { WINEPREFIX=$state/prefix WINEDEBUG=-all winepath -w "$1"; }
bash "$root/scripts/wine-session.sh" run "$state" "$root/build/win32/bin/stand_in_host.exe" \
    --dll 'Plugins\Stats.dll' \
    --log "$(windows_path "$root/samples/kolvex_sample.adi")" \
    --cty "$(windows_path "$root/samples/cty.dat")" \
    --export

echo
echo "Files the plug-in wrote in $work:"
find . -type f ! -name Stats.dll | sort | sed 's|^\./|  |'
