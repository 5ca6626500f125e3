#!/usr/bin/env bash
# Stats.dll must load on Windows XP SP3 (32-bit): every function it imports
# must be one that XP's system DLLs export.
#   check_xp_imports.sh OBJDUMP Stats.dll xp_imports.txt
# The list holds "dll function" lines (dll in lower case), each checked by
# hand to exist on XP; an import missing from it fails, by name.
set -u
objdump=$1 dll=$2 allowed=$3

dump=$("$objdump" -p "$dll") || { echo "FAIL: cannot read $dll"; exit 1; }

# "DLL Name: KERNEL32.dll" opens a table; its rows are "<tab>vma<tab> hint name",
# or "<tab>vma<tab> ordinal" for an import by ordinal.
imports=$(awk '/^\tDLL Name:/ { dll = tolower($3); next }
               /^\t[0-9a-f]+\t/ && dll != "" {
                   print dll, (NF >= 3 ? $3 : "ordinal:" $2) }' <<<"$dump" | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports read from $dll"; exit 1; }

declare -A listed
while read -r name function _; do
    case $name in '#'* | '') continue ;; esac
    listed["$name $function"]=1
done <"$allowed"

failures=0
while read -r name function; do
    if [ -z "${listed["$name $function"]:-}" ]; then
        echo "FAIL: imports $name $function, not known to exist on Windows XP"
        failures=$((failures + 1))
    fi
done <<<"$imports"

count=$(wc -l <<<"$imports")
if [ "$failures" -ne 0 ]; then
    echo "$failures of $count imports not in $allowed"
    exit 1
fi
echo "all $count imports of $dll exist on Windows XP"
