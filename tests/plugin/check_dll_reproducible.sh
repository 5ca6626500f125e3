#!/usr/bin/env bash
# The parts of Stats.dll that would differ between two builds of the same
# commit made at other times or in other folders:
#   check_dll_reproducible.sh OBJDUMP Stats.dll SOURCE_DIR BUILD_DIR...
# - the time stamps of the PE header and of the export directory are 0
#   (objdump shows the first as a date, in the zone of TZ);
# - no folder named on the command line appears in the file.
set -u
objdump=$1 dll=$2
shift 2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$(TZ=UTC "$objdump" -p "$dll") || { echo "FAIL: $objdump cannot read $dll"; exit 1; }
grep -q $'^Time/Date\t\tThu Jan  1 00:00:00 1970$' <<<"$headers" ||
    fail "PE header time stamp: $(grep $'^Time/Date\t' <<<"$headers")"
grep -Eq '^Time/Date stamp[[:space:]]+0$' <<<"$headers" ||
    fail "export directory time stamp: $(grep -E '^Time/Date stamp' <<<"$headers")"

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
