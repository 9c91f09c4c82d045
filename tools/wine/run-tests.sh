#!/usr/bin/env bash
# Runs the Windows test set under Wine in a fresh prefix with the null display driver.
# Fails when a test fails or when no test ran. Extra arguments go to ctest.
# Usage, after `cmake --preset windows && cmake --build --preset windows`:
#   tools/wine/run-tests.sh [BUILD_DIR] [ctest arguments...]   (BUILD_DIR: build/windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build/windows}
shift $(($# > 0 ? 1 : 0))
source "$here/env.sh" "$build"

"$here/new-prefix.sh" "$asr_build_dir"
"$here/start-server.sh" "$asr_build_dir"
trap '"$here/stop-server.sh" "$asr_build_dir"' EXIT

ctest --test-dir "$asr_build_dir" --output-on-failure --no-tests=error -j1 --timeout 300 "$@"
