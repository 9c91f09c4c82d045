#!/bin/sh
# Runs a test program with an X display: the one in DISPLAY when there is one, otherwise
# a private Xvfb on a free display number, stopped when the program ends.
if [ -n "$DISPLAY" ]; then
    exec "$@"
fi
numberFile=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3>"$numberFile" 2>/dev/null &
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
