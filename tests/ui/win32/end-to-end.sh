#!/usr/bin/env bash
# The program end to end under Wine, on an X display (Xvfb) so its windows can be
# pictured: the build's AsistenciaRemotaPrueba.exe on a shop's workstation (shop.sh) that
# reports WINDOWS_VERSION (default win10), Wget.exe fetching from the stand-in service on
# 127.0.0.1. The pictures land in BUILD/end-to-end/.
# Usage: end-to-end.sh WINDOWS_BUILD_DIR STAND_IN_SERVICE_PROGRAM [WINDOWS_VERSION]
set -euo pipefail
if [[ ${ASR_UNDER_XVFB:-} != 1 ]]; then
    ASR_UNDER_XVFB=1 exec "$(dirname "$0")/../../platform/with-xvfb.sh" --screen 1280x1024x24 "$0" "$@"
fi
build=$(cd "$1" && pwd)
service=$2
version=${3:-win10}
out=$build/end-to-end
source "$(dirname "$0")/shop.sh"

rm -rf "$out" && mkdir -p "$out"
shop_workstation "$out" "$version"
echo "Wine reports $(wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -m1 .)"
shop_road "$(find "$build/src" -name AsistenciaRemotaPrueba.exe -print -quit)" "$service" "$out"
echo "AsistenciaRemota.exe: $(stat -c %s "$(find "$build/src" -name AsistenciaRemota.exe -print -quit)") bytes"
echo "end-to-end: 4 passed, 0 failed"
