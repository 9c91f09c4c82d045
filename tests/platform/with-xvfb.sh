#!/bin/sh
# Runs a program with an X display: the one in DISPLAY when there is one, otherwise a
# private Xvfb, stopped when the program ends. With --screen WxHxD the Xvfb is always a
# private one of that size (pictures of windows are taken at a known size).
# Xvfb picks its display number by binding it (-displayfd), never from lock files alone as
# xvfb-run -a does: a number whose socket another server holds, even one on a machine
# that shares the network's abstract sockets with this one, is never taken.
# Usage: with-xvfb.sh [--screen WxHxD] PROGRAM [ARGUMENT...]
screen=640x480x24
if [ "$1" = --screen ]; then
    screen=$2
    shift 2
elif [ -n "$DISPLAY" ]; then
    exec "$@"
fi
numberFile=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 "$screen" 3>"$numberFile" 2>/dev/null &
server=$!
tries=0
while [ ! -s "$numberFile" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -s "$numberFile" ]; then
    echo "with-xvfb.sh: Xvfb did not start" >&2
    kill $server 2>/dev/null
    rm -f "$numberFile"
    exit 1
fi
DISPLAY=":$(head -n 1 "$numberFile")" "$@"
status=$?
kill $server 2>/dev/null
wait $server 2>/dev/null
rm -f "$numberFile"
exit $status
