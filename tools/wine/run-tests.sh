#!/usr/bin/env bash
# Runs the Windows test set under Wine in a fresh prefix with the null display driver.
# Fails when a test fails or when no test ran. Extra arguments go to ctest.
# Usage, after `cmake --preset windows && cmake --build --preset windows` (or the same
# with windows-i686, whose 32-bit programs run in the same kind of 64-bit prefix):
#   tools/wine/run-tests.sh [BUILD_DIR] [ctest arguments...]   (BUILD_DIR: build/windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build/windows}
shift $(($# > 0 ? 1 : 0))
source "$here/env.sh" "$build"

"$here/new-prefix.sh" "$asr_build_dir"
"$here/start-server.sh" "$asr_build_dir"
trap '"$here/stop-server.sh" "$asr_build_dir"' EXIT

# A program Wine cannot run (a 32-bit one without wine32) prints nothing and lists no
# test, which would look like a pass: one test program must list its cases.
probe=$(find "$asr_build_dir/tests" -name '*_tests.exe' -print -quit)
if [[ -n $probe ]] && ! wine "$probe" --gtest_list_tests </dev/null 2>/dev/null | grep -q '\.'; then
    echo "Wine cannot run $probe: is wine32:i386 installed for a 32-bit build?" >&2
    exit 1
fi

ctest --test-dir "$asr_build_dir" --output-on-failure --no-tests=error -j1 --timeout 300 "$@"
