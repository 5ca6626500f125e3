#!/usr/bin/env bash
# Checks the export and import tables of the built Stats.dll:
#   check_dll_exports.sh OBJDUMP UNDNAME Stats.dll stats_exports.txt
# - the export directory names the file Stats.dll;
# - exactly the listed names, each at its ordinal;
# - each name at the same entry as its plain twin;
# - each decorated name decodes (llvm-undname) to the listed declaration;
# - only Windows system DLLs are imported (the runtimes are linked in).
set -u
objdump=$1 undname=$2 dll=$3 expected=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

dump=$("$objdump" -p "$dll") || { echo "FAIL: cannot read $dll"; exit 1; }

dll_name=$(awk '/^Name[ \t]/ { print $3; exit }' <<<"$dump")
[ "$dll_name" = "Stats.dll" ] || fail "export directory names '$dll_name', not Stats.dll"

# ordinal -> RVA, from "[   0] +base[   1] 32b0 Export RVA"
declare -A rva_of_ordinal name_at_ordinal rva_of_name
while read -r ordinal rva; do rva_of_ordinal[$ordinal]=$rva; done < <(
    awk '/\+base\[/ { sub(/.*\+base\[ */, ""); sub(/\]/, ""); print $1, $2 }' <<<"$dump")
# ordinal -> name, from "[   0] ?AddData0@@..." below "[Ordinal/Name Pointer] Table"
while read -r ordinal name; do
    name_at_ordinal[$ordinal]=$name
    rva_of_name[$name]=${rva_of_ordinal[$ordinal]:-}
done < <(awk '/\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
              on && /^[ \t]*\[/ { sub(/^[ \t]*\[ */, ""); sub(/\]/, ""); print $1 + 1, $2; next }
              on { exit }' <<<"$dump")

rows=0
while IFS=$'\t' read -r ordinal name twin declaration; do
    case $ordinal in '#'* | '') continue ;; esac
    rows=$((rows + 1))
    [ "${name_at_ordinal[$ordinal]:-}" = "$name" ] ||
        fail "ordinal $ordinal is '${name_at_ordinal[$ordinal]:-}', expected '$name'"
    [ -n "${rva_of_name[$name]:-}" ] && [ "${rva_of_name[$name]}" = "${rva_of_name[$twin]:-}" ] ||
        fail "$name does not share its entry with $twin"
    if [ "$declaration" != "-" ]; then
        decoded=$("$undname" "$name" 2>&1 | sed -n 2p)
        [ "$decoded" = "$declaration" ] ||
            fail "$name decodes to '$decoded', expected '$declaration'"
    fi
done <"$expected"
[ "${#name_at_ordinal[@]}" -eq "$rows" ] ||
    fail "${#name_at_ordinal[@]} names exported, expected $rows"

# The system DLLs a plug-in may import; anything else would have to be
# shipped beside it.
system_dlls=" kernel32.dll user32.dll gdi32.dll msvcrt.dll ole32.dll oleaut32.dll advapi32.dll "
while read -r imported; do
    lower=$(tr 'A-Z' 'a-z' <<<"$imported")
    [[ $system_dlls == *" $lower "* ]] || fail "imports $imported"
done < <(awk '/DLL Name:/ { print $3 }' <<<"$dump")

if [ "$failures" -ne 0 ]; then
    echo "$failures export check(s) failed"
    exit 1
fi
echo "export table of $dll: $rows names, twins, declarations and imports as expected"
