#!/usr/bin/env bash
# Reads the program's windows with a real screen-reader client: a private X display and
# session bus, the accessibility bus, the windows on xcb, then read-windows.py.
# Usage: screen-reader.sh WINDOWS_PROGRAM READER_SCRIPT
set -euo pipefail
if [[ ${1:-} != --inside ]]; then
    exec xvfb-run -a dbus-run-session -- "$0" --inside "$@"
fi
shift
windows=$1 reader=$2
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill $bus $program 2>/dev/null || true' EXIT
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$windows" 60 &
program=$!
/usr/bin/python3 "$reader" "$(basename "$windows")"
