#!/usr/bin/env bash
# The program end to end under Wine, on an X display (Xvfb) so its windows can be
# pictured: the build's AsistenciaRemotaPrueba.exe with a demo registry and ini file,
# Wget.exe fetching from the stand-in service on 127.0.0.1, no Firebird client (so the
# company name is asked). A support request is filed, then its number is looked up in a
# second run. Then the network fails the program twice: a listing cut short (the open
# incident is then not continued, and its text not written back) and a filing whose
# connection drops after the service did the work ("Sin conexión", filed once). The four
# windows end up as PNG pictures in BUILD/end-to-end/.
# Usage: end-to-end.sh WINDOWS_BUILD_DIR STAND_IN_SERVICE_PROGRAM
set -euo pipefail
if [[ ${ASR_UNDER_XVFB:-} != 1 ]]; then
    ASR_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
service=$2
out=$build/end-to-end
port=$(sed -n 's/^ASR_TEST_SERVICE_PORT:STRING=//p' "$build/CMakeCache.txt")
rm -rf "$out" && mkdir -p "$out"
source "$here/../../../tools/wine/env.sh" "$out"

# A prefix of its own on this display, with Wine's Tahoma and MS Sans Serif, and Wine
# drawing the window frames (no window manager runs here).
wineboot -i >/dev/null 2>&1 && wineserver -w
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -k >/dev/null 2>&1 || true
wineserver -w
wineserver -p </dev/null >/dev/null 2>&1
trap 'kill "$service_pid" 2>/dev/null || true; wineserver -k >/dev/null 2>&1 || true' EXIT

# The demo installation: current agent in the 32-bit registry, ini, fetch tool.
install=$WINEPREFIX/drive_c/Velmorn3
mkdir -p "$install/Wget" "$install/TeamViewer"
cp "$build/tests/fixtures/Wget.exe" "$install/Wget/Wget.exe"
cp "$build/tests/fixtures/Wget.exe" "$install/TeamViewer/TeamViewer.exe" # ends at once
printf '[INICIO]\r\nSERVIDOR=127.0.0.1\r\n' >"$install/Velmorn3.ini"
agent='HKLM\SOFTWARE\Wow6432Node\TeamViewer'
wine reg add "$agent" /v ClientID /t REG_DWORD /d 987654321 /f /reg:64 >/dev/null 2>&1
wine reg add "$agent" /v Version /t REG_SZ /d 15.48.4 /f /reg:64 >/dev/null 2>&1
wine reg add "$agent" /v InstallationDirectory /t REG_SZ /d 'C:\Velmorn3\TeamViewer' /f \
    /reg:64 >/dev/null 2>&1

"$service" "$port" "$out/incidents.db" >"$out/service.log" 2>&1 &
service_pid=$!
for _ in $(seq 100); do grep -q listening "$out/service.log" && break; sleep 0.1; done

program=$build/src/app/win32/AsistenciaRemotaPrueba.exe
user=$build/tests/ui/win32/EndToEndUser.exe
folder=$(winepath -w "$out")
# run NAME USER_ARGUMENTS...: the program and its user side by side; the user's report
# in NAME.txt.
run() {
    local name=$1 started
    shift
    started=$(date +%s%3N)
    wine "$program" </dev/null >/dev/null 2>&1 &
    wine "$user" "$@" </dev/null | iconv -f CP1252 -t UTF-8 | tr -d '\r' >"$out/$name.txt" || true
    wait $! || { echo "the program failed" >&2; exit 1; }
    cat "$out/$name.txt"
    echo "start to terms window: $(($(sed -n 's/^terms shown at //p' "$out/$name.txt") - started)) ms"
}
fail() { echo "$*" >&2; exit 1; }
admin() { "$(dirname "$service")/asr_support_admin" "$out/incidents.db" "$@"; }

run request request "$folder"
number=$(sed -n 's/^incident //p' "$out/request.txt")
[[ -n $number ]] || fail "no incident number"
run lookup lookup "$number" "$folder"
grep -q "Aviso número: $number" "$out/lookup.txt" || fail "lookup failed"

# The open incident's document arrives cut short: a new incident, the old text untouched.
stored=$(admin show "$number")
admin fault cut-short 60 GETDOC
run request-cut request "$folder"
second=$(sed -n 's/^incident //p' "$out/request-cut.txt")
[[ -n $second && $second != "$number" ]] || fail "a cut document was taken as whole"
[[ $(admin show "$number") == "$stored" ]] || fail "the open incident's text was written over"

# The connection drops after the service filed: the user is told, and it was sent once.
admin fault drop SETDOC
filings=$(admin requests SETDOC | wc -l)
run request-dropped request "$folder"
grep -q '^Sin conexión:' "$out/request-dropped.txt" || fail "a dropped filing was not reported"
[[ $(admin requests SETDOC | wc -l) == $((filings + 1)) ]] || fail "the filing was sent again"
admin fault none

for picture in "$out"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
echo "incident $number filed and looked up; pictures: $(ls "$out"/*.png | tr '\n' ' ')"
echo "AsistenciaRemota.exe: $(stat -c %s "$build/src/app/win32/AsistenciaRemota.exe") bytes"
echo "end-to-end: 4 passed, 0 failed"
