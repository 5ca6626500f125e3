#!/usr/bin/env bash
# scripts/check-layers.py (the argument) on a made-up tree in which each
# floor includes the floor just above it: it must name every such include.
set -eu
checker=$1
cd "$(mktemp -d)"
trap 'rm -r "$PWD"' EXIT
set -- contest controls resources results windows plugin plugin/win32
while [ $# -gt 1 ]; do
    mkdir -p "$1" "$2"
    echo "#include \"$2/up.h\"" >"$1/up.h"
    shift
done
touch "$1/up.h"
test "$(python3 "$checker" . | tee /dev/stderr | grep -c 'a floor above it$')" -eq 6
