#!/usr/bin/env bash
# Two builds of the same commit in two folders give the same bytes: the program, its debug
# information and, before signing, the package made from it.
# Usage: reproducible.sh WINDOWS_BUILD_DIR OTHER_BUILD_DIR_OF_THE_SAME_SETTINGS
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
passed=0 failed=0
same() { # DESCRIPTION FILE_A FILE_B
    if cmp "$2" "$3"; then
        passed=$((passed + 1)) && echo "ok      $1: $(sha256sum <"$2" | cut -c1-16)"
    else
        failed=$((failed + 1)) && echo "FAILED  $1 differs"
    fi
}
for build in "$1" "$2"; do
    "$root/tools/package.sh" --unsigned --build "$build" --out "$build/package-unsigned" >/dev/null
done
a=$1/package-unsigned b=$2/package-unsigned
for file in "$a"/*.exe "$a"/*.debug "$a"/*.msi; do
    same "${file##*/}" "$file" "$b/${file##*/}"
done
echo "reproducible: $passed passed, $failed failed"
((failed == 0 && passed == 3))
