#!/usr/bin/env bash
# Reads the program's windows with a real screen-reader client: a private X display and
# session bus, the accessibility bus, the windows on xcb, then read-windows.py. The windows
# end when the reader is done, by themselves, so that what they ran is counted.
# Usage: screen-reader.sh WINDOWS_PROGRAM READER_SCRIPT
set -euo pipefail
if [[ ${1:-} != --inside ]]; then
    exec "$(dirname "$0")/../../platform/with-xvfb.sh" --screen 1280x1024x24 \
        dbus-run-session -- "$0" --inside "$@"
fi
shift
windows=$1 reader=$2
folder=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill $bus $program 2>/dev/null || true; rm -rf "$folder"' EXIT
sleep 1
mkfifo "$folder/done"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$windows" 60 <"$folder/done" &
program=$!
exec 3>"$folder/done"
status=0
/usr/bin/python3 "$reader" "$(basename "$windows")" || status=$?
exec 3>&-
wait $program || true
exit $status
