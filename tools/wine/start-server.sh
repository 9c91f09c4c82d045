#!/usr/bin/env bash
# Starts the wineserver of BUILD_DIR's prefix and warms it up. Its output must not go to
# a pipe: Wine's helper processes would hold the first test's pipe open and ctest would
# wait for its timeout. Usage: start-server.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1"
# A server already running for the prefix (an earlier run's, still lingering) refuses to
# start again; it serves as well, and the warm-up below fails if Wine itself does not work.
wineserver -p </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1
