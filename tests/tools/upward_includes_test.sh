#!/usr/bin/env bash
# scripts/check-layers.py on a made-up tree in which each floor includes the
# floor just above it: it must name every one of those includes.
#   upward_includes_test.sh CHECK_LAYERS_PY
set -eu
checker=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cd "$tree"
set -- contest controls resources results windows plugin plugin/win32
while [ $# -gt 1 ]; do
    mkdir -p "$1" "$2"
    echo "#include \"$2/up.h\"" >"$1/up.h"
    shift
done
touch "$1/up.h"
test "$(python3 "$checker" . | tee /dev/stderr | grep -c 'a floor above it$')" -eq 6
