#!/usr/bin/env bash
# The parts of Stats.dll that would differ between two builds of the same
# commit made at other times or in other folders:
#   check_dll_reproducible.sh Stats.dll SOURCE_DIR BUILD_DIR...
# - the time stamps of the PE header and of the export directory are 0;
# - no folder named on the command line appears in the file.
set -u
dll=$1
shift
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A little-endian 32-bit number at a byte offset of the file.
u32() { od -An -tu4 -j "$1" -N4 "$dll" | tr -d ' '; }

[ -f "$dll" ] || { echo "FAIL: no file $dll"; exit 1; }
pe=$(u32 60)
[ "$(u32 "$pe")" = "17744" ] || { echo "FAIL: no PE signature in $dll"; exit 1; }
[ "$(u32 $((pe + 8)))" = "0" ] || fail "PE header time stamp $(u32 $((pe + 8))), not 0"

# The export directory's RVA is the first data directory of the optional
# header (offset 96 in a 32-bit one); find its file offset by its section.
export_rva=$(u32 $((pe + 24 + 96)))
sections=$(od -An -tu2 -j $((pe + 6)) -N2 "$dll" | tr -d ' ')
table=$((pe + 24 + $(od -An -tu2 -j $((pe + 20)) -N2 "$dll" | tr -d ' ')))
export_offset=
for ((i = 0; i < sections; i++)); do
    row=$((table + 40 * i))
    size=$(u32 $((row + 8))) rva=$(u32 $((row + 12))) raw=$(u32 $((row + 20)))
    if [ "$export_rva" -ge "$rva" ] && [ "$export_rva" -lt $((rva + size)) ]; then
        export_offset=$((export_rva - rva + raw))
    fi
done
if [ -z "$export_offset" ]; then
    fail "export directory not found"
elif [ "$(u32 $((export_offset + 4)))" != "0" ]; then
    fail "export directory time stamp $(u32 $((export_offset + 4))), not 0"
fi

for folder in "$@"; do
    if grep -qaF -- "$folder" "$dll"; then
        fail "the file holds the build folder $folder"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures reproducibility check(s) failed"
    exit 1
fi
echo "$dll: no time stamp, none of $# build folders"
