#!/usr/bin/env bash
# Fails when a C++ file of the project drifts from .clang-format, and names
# the files.  `check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
drifting=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || drifting+=("$file")
done
if [ "${#drifting[@]}" -gt 0 ]; then
    echo "check-format: ${#drifting[@]} files drift from .clang-format (scripts/check-format.sh --fix):"
    printf '  %s\n' "${drifting[@]}"
    exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
