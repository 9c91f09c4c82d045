#!/usr/bin/env bash
# The program starts on every Windows a shop still has, back to Windows 7 SP1: its header
# asks for no newer system, and it imports statically only functions on the allow-list,
# each of which Windows 7 exports. Anything newer must be looked up at run time.
# Prints every import off the list and fails on any.
# Usage: check-imports.sh OBJDUMP PROGRAM.exe [ALLOW_LIST]
set -euo pipefail
objdump=$1 program=$2
allowed=${3:-$(dirname "$0")/windows7-imports.txt}
header=$("$objdump" -p "$program")

failed=0
# Windows 7 is version 6.1; a program that asks for more does not start there.
for field in OSystem Subsystem; do
    major=$(awk -v f="Major${field}Version" '$1 == f { print $2 }' <<<"$header")
    minor=$(awk -v f="Minor${field}Version" '$1 == f { print $2 }' <<<"$header")
    if ((major > 6 || (major == 6 && minor > 1))); then
        echo "$program asks for Windows $major.$minor ($field version)"
        failed=1
    fi
done

# The import table: a "DLL Name:" line, then one tab-separated line a function.
imports=$(awk -F'\t' '
    /DLL Name:/ { split($2, name, ": "); dll = toupper(name[2]); next }
    dll && NF == 3 && $3 ~ /^ *[0-9]+ +[A-Za-z_]/ { f = $3; sub(/^ *[0-9]+ +/, "", f); print dll "!" f }' <<<"$header" | sort -u)
[[ -n $imports ]] || { echo "no import table read from $program" && exit 1; }
not_allowed=$(comm -23 <(echo "$imports") <(sed 's/#.*//; s/[[:space:]]\+[^[:space:]].*$//; /^$/d' "$allowed" | sort -u))
if [[ -n $not_allowed ]]; then
    echo "$program imports what is not known to be on Windows 7 SP1:"
    sed 's/^/    /' <<<"$not_allowed"
    failed=1
fi
echo "$(wc -l <<<"$imports") imports of $(cut -d'!' -f1 <<<"$imports" | sort -u | wc -l) libraries checked"
exit $failed
