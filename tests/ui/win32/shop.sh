# Sourced by the Windows end to end and the package test: a shop's workstation under Wine
# and the support road walked on it.
#
# shop_workstation FOLDER WINDOWS_VERSION: a fresh prefix in FOLDER/wineprefix, on this
# display, reporting that Windows version (win7, win10 ...), holding the demo Velmorn
# installation in C:\Velmorn3: ini file, database, Firebird client, Wget.exe, the agent's
# installer and settings; the agent current in the 32-bit registry and installed beside
# it. The Firebird client is no library here, so the company name is asked.
shop_workstation() {
    local folder=$1 version=$2 fixtures=$build/tests/fixtures
    source "$shop_root/tools/wine/env.sh" "$folder"
    wineboot -i >/dev/null 2>&1 && wineserver -w
    # Wine draws the window frames (no window manager runs here).
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    # The user's folders are links to this host's home folders: a desktop of its own.
    local profile=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
    [[ -d $profile ]] || profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public -print -quit)
    rm -f "$profile/Desktop" && mkdir -p "$profile/Desktop"
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    wineserver -p </dev/null >/dev/null 2>&1

    velmorn=$WINEPREFIX/drive_c/Velmorn3
    mkdir -p "$velmorn/Wget" "$velmorn/TeamViewer" "$velmorn/DATOS/EMP1" "$velmorn/Firebird/Bin"
    cp "$fixtures/Wget.exe" "$velmorn/Wget/Wget.exe"
    cp "$fixtures/Wget.exe" "$velmorn/TeamViewer/TeamViewer.exe" # ends at once
    printf '[INICIO]\r\nSERVIDOR=127.0.0.1\r\n' >"$velmorn/Velmorn3.ini"
    printf 'la base de datos de la tienda\n' >"$velmorn/DATOS/EMP1/velmorn3.fdb"
    printf 'el cliente de Firebird\n' >"$velmorn/Firebird/Bin/FbClient.dll"
    printf 'el instalador del agente\n' >"$velmorn/TeamViewer_Host.msi"
    printf 'la configuración del agente\n' >"$velmorn/TeamViewer_Settings.tvopt"
    local agent='HKLM\SOFTWARE\Wow6432Node\TeamViewer'
    wine reg add "$agent" /v ClientID /t REG_DWORD /d 987654321 /f /reg:64 >/dev/null 2>&1
    wine reg add "$agent" /v Version /t REG_SZ /d 15.48.4 /f /reg:64 >/dev/null 2>&1
    wine reg add "$agent" /v InstallationDirectory /t REG_SZ /d 'C:\Velmorn3\TeamViewer' /f \
        /reg:64 >/dev/null 2>&1
    trap 'shop_close' EXIT
}

shop_close() {
    [[ -z ${service_pid:-} ]] || kill "$service_pid" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
}

fail() { echo "$*" >&2; exit 1; }

# shop_road PROGRAM SERVICE OUT: PROGRAM (a Windows program on this host) filing a support
# request through Wget.exe to the stand-in service, then its number looked up in a second
# run. Then the network fails the program twice: a listing cut short (the open incident is
# then not continued, and its text not written back) and a filing whose connection drops
# after the service did the work ("Sin conexión", filed once). The four windows end up as
# PNG pictures in OUT.
shop_road() {
    local program=$1 service=$2 out=$3
    local port user folder number stored second filings
    port=$(sed -n 's/^ASR_TEST_SERVICE_PORT:STRING=//p' "$build/CMakeCache.txt")
    user=$build/tests/ui/win32/EndToEndUser.exe
    folder=$(winepath -w "$out")
    "$service" "$port" "$out/incidents.db" >"$out/service.log" 2>&1 &
    service_pid=$!
    for _ in $(seq 100); do grep -q listening "$out/service.log" && break; sleep 0.1; done
    # run NAME USER_ARGUMENTS...: the program and its user side by side; the user's report
    # in NAME.txt.
    run() {
        local name=$1 started
        shift
        started=$(date +%s%3N)
        wine "$program" </dev/null >/dev/null 2>&1 &
        wine "$user" "$@" </dev/null | iconv -f CP1252 -t UTF-8 | tr -d '\r' >"$out/$name.txt" || true
        wait $! || fail "the program failed"
        cat "$out/$name.txt"
        echo "start to terms window: $(($(sed -n 's/^terms shown at //p' "$out/$name.txt") - started)) ms"
    }
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
    kill "$service_pid" 2>/dev/null || true
    wait "$service_pid" 2>/dev/null || true
    service_pid=

    local picture
    for picture in "$out"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
    echo "incident $number filed and looked up; pictures: $(ls "$out"/*.png | tr '\n' ' ')"
}

shop_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
