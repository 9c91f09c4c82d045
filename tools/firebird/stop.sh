#!/bin/bash
# Stops the Firebird server that start.sh started. The pid file holds the server's pid;
# its parent is the guardian, which must get the signal or it restarts the server.
set -eu

PID_FILE=/run/firebird3.0/firebird.pid

if [ ! -s "$PID_FILE" ]; then
    echo "No Firebird pid file: nothing to stop"
    exit 0
fi
server=$(cat "$PID_FILE")
guardian=$(ps -o ppid= -p "$server" | tr -d ' ' || true)
if [ -n "$guardian" ] && [ "$(ps -o comm= -p "$guardian")" = "fbguard" ]; then
    kill -TERM "$guardian"
else
    kill -TERM "$server" 2>/dev/null || true
fi
for _ in $(seq 1 100); do
    if ! kill -0 "$server" 2>/dev/null; then
        echo "Firebird stopped"
        exit 0
    fi
    sleep 0.1
done
echo "Firebird (pid $server) did not stop within 10 s" >&2
exit 1
