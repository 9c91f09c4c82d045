#!/usr/bin/env bash
# Stops the wineserver of BUILD_DIR's prefix and waits for it. Usage: stop-server.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/env.sh" "$1"
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
exit 0
