#!/usr/bin/env bash
# The demonstration on a fresh Debian machine: Firebird with the demonstration shop's
# database, an installation folder (ini file, the agent's registry values, the fetch tool),
# the stand-in support service on 127.0.0.1:47811, then the program. On a desktop the
# program opens its windows; without a display the demo driver walks through them
# offscreen and saves a picture of each window in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
install=/var/tmp/asr-demo
port=47811

tools/install-deps.sh
tools/firebird/start.sh
tools/demo/make-installation.sh "$install"

cmake --preset demo >/dev/null
cmake --build --preset demo

log=build/demo/support-service.log
rm -f "$install/incidencias.db"
build/demo/tools/support-service/asr_support_service "$port" "$install/incidencias.db" >"$log" 2>&1 &
service=$!
trap 'kill "$service" 2>/dev/null || true; wait "$service" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    grep -q listening "$log" && break
    sleep 0.1
done
echo
# The demonstration shop's workstation is a Spanish one: its dates read day first.
export LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    build/demo/src/app/qt/asistencia-remota
else
    QT_QPA_PLATFORM=offscreen build/demo/tools/demo/asr_demo_driver build/demo
fi
