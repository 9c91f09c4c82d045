#!/usr/bin/env bash
# Makes a fresh Wine prefix for BUILD_DIR, with the null display driver (windows,
# window messages and DDE work headless). Usage: new-prefix.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1"
wineserver -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
# The driver is read when the server starts.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
