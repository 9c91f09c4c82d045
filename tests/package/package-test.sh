#!/usr/bin/env bash
# The package as group policy, Intune or an RMM tool runs it: msiexec without any window,
# under Wine in a fresh 64-bit prefix reporting Windows 7 (the 32-bit package, as on a
# shop's 64-bit Windows), on a shop's workstation with the demo Velmorn installation. The
# checksum of every Velmorn file, taken first, is compared after each step.
# Usage: package-test.sh WINDOWS_BUILD_DIR STAND_IN_SERVICE_PROGRAM
set -euo pipefail
if [[ ${ASR_UNDER_XVFB:-} != 1 ]]; then
    ASR_UNDER_XVFB=1 exec "$(dirname "$0")/../platform/with-xvfb.sh" --screen 1280x1024x24 "$0" "$@"
fi
build=$(cd "$1" && pwd)
service=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
here=$(cd "$(dirname "$0")" && pwd)
out=$build/package-test
source "$here/../ui/win32/shop.sh"
rm -rf "$out" && mkdir -p "$out"

if [[ $(objdump -f "$(find "$build/src" -name AsistenciaRemota.exe -print -quit)") == *pei-x86-64* ]]; then
    echo "This host runs no 32-bit programs: the packages hold the x86_64 program instead of"
    echo "the 32-bit one the shops get, packaged the same way."
fi

# The packages: the one the shops get, and two of the end to end's program (it talks to the
# stand-in service here), version N and N+1.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
package() { # OUT [package.sh options]: the .msi made
    local folder=$out/$1
    shift
    "$shop_root/tools/package.sh" --build "$build" --out "$folder" "$@" >"$folder.log" 2>&1 ||
        { cat "$folder.log" >&2 && fail "package.sh failed"; }
    ls "$folder"/*.msi
}
shipped=$(package shipped)
old=$(package old --program AsistenciaRemotaPrueba)
new=$(package new --program AsistenciaRemotaPrueba --version "$next")

passed=0 failed=0
# expect DESCRIPTION COMMAND...: one check, counted.
expect() {
    local description=$1
    shift
    if "$@" >>"$out/checks.log" 2>&1; then
        passed=$((passed + 1))
        echo "ok      $description"
    else
        failed=$((failed + 1))
        echo "FAILED  $description"
    fi
}
fails() { ! "$@"; }

# The signatures hold up to the authority that issued them, and only to it; one byte
# changed breaks them.
ca=$out/shipped/test-ca/ca.pem
signed_exe=$(ls "$out"/shipped/AsistenciaRemota-*.exe)
verify() { osslsigncode verify -CAfile "$1" -in "$2"; }
expect "the shipped exe's signature verifies" verify "$ca" "$signed_exe"
expect "the shipped package's signature verifies" verify "$ca" "$shipped"
expect "another authority does not vouch for them" fails verify "$out/old/test-ca/ca.pem" "$signed_exe"
cp "$signed_exe" "$out/changed.exe"
printf 'X' | dd of="$out/changed.exe" bs=1 seek=4096 conv=notrunc status=none
expect "a byte changed in the signed exe fails verification" fails verify "$ca" "$out/changed.exe"
expect "SHA256SUMS lists the artifacts as they are" \
    bash -c "cd '$out/shipped' && sha256sum --check --strict SHA256SUMS && [[ \$(wc -l <SHA256SUMS) == 3 ]]"

shop_workstation "$out" win7
echo "Wine reports $(wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -m1 .)"
installed=$velmorn/AsistenciaRemota.exe
response=$velmorn/Wget/respuesta.json
# The Velmorn files and folders as they are: everything in the folder but what the package
# installs and the program's own response file.
velmorn_state() {
    (cd "$velmorn" && find . -type d | sort &&
        find . -type f ! -path ./AsistenciaRemota.exe ! -path ./Wget/respuesta.json -print0 |
        sort -z | xargs -0 sha256sum)
}
velmorn_before=$(velmorn_state)
velmorn_unchanged() { [[ $(velmorn_state) == "$velmorn_before" ]]; }
msiexec() { wine msiexec "$@" </dev/null >/dev/null 2>&1; }
windows_path() { winepath -w "$1" 2>/dev/null; }
# The shortcuts: per machine on Windows; Wine puts them in the user's folders.
shortcuts() {
    find "$WINEPREFIX/drive_c/users" "$WINEPREFIX/drive_c/ProgramData" -name 'Asistencia Remota.lnk' \
        \( -path '*/Start Menu/Programs/*' -o -path '*/Desktop/*' \) 2>/dev/null
}
shortcuts_point_at_the_program() {
    local list
    list=$(shortcuts)
    [[ $(grep -c 'Start Menu' <<<"$list") == 1 && $(grep -c Desktop <<<"$list") == 1 ]] || return 1
    while IFS= read -r link; do
        strings "$link" | grep -qxF 'C:\Velmorn3\AsistenciaRemota.exe' || return 1
    done <<<"$list"
}
no_shortcuts() { [[ -z $(shortcuts) ]]; }
# The products registered in Programs and Features, one line each: name, version, vendor.
programs_and_features() {
    local key view
    for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
        'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
        wine reg query "$key" /s /reg:64 2>/dev/null | tr -d '\r'
    done | awk '/^HKEY/ { if (name) print name "|" version "|" vendor "|" help; name = version = vendor = help = "" }
        $1 == "DisplayName" { sub(/.*REG_SZ +/, ""); name = $0 }
        $1 == "DisplayVersion" { sub(/.*REG_SZ +/, ""); version = $0 }
        $1 == "Publisher" { sub(/.*REG_SZ +/, ""); vendor = $0 }
        $1 == "HelpLink" { sub(/.*REG_SZ +/, ""); help = $0 }
        END { if (name) print name "|" version "|" vendor "|" help }' | grep '^Asistencia Remota|' || true
}
web_host=$(sed -n 's/^ASR_WEB_HOST:[A-Z]*=//p' "$build/CMakeCache.txt")
registered_as() {
    [[ $(programs_and_features) == "Asistencia Remota|$1|Lunadoro S.A.|https://$web_host/manual/" ]]
}
not_registered() { [[ -z $(programs_and_features) ]]; }
# The entry's icon: the installer keeps the package's icon for it (Windows names it in the
# entry's DisplayIcon; Wine writes no DisplayIcon).
icon_kept() {
    cmp "$(find "$WINEPREFIX/drive_c/windows/Installer" -name AsistenciaRemota.ico -print -quit)" \
        "$(find "$build/src" -name program-icon.ico -print -quit)"
}
is_the_program_of() { cmp "$installed" "$(ls "$1"/AsistenciaRemota-*.exe)"; }
not_installed() { [[ ! -e $installed ]] && no_shortcuts && not_registered && ! icon_kept; }
# refused_with MESSAGE PACKAGE: the package, run with its basic window, tells the user
# MESSAGE in a message box, and ends with a failure.
refused_with() {
    local message=$1 status=0
    wine msiexec /i "$(windows_path "$2")" /qb </dev/null >/dev/null 2>&1 &
    local installer=$!
    wine "$build/tests/ui/win32/EndToEndUser.exe" message </dev/null 2>/dev/null |
        iconv -f CP1252 -t UTF-8 | tr -d '\r' >"$out/message.txt" || true
    wait "$installer" || status=$?
    cat "$out/message.txt"
    ((status != 0)) && grep -qF "$message" "$out/message.txt"
}

echo "-- without Velmorn"
mv "$velmorn/Velmorn3.ini" "$out/Velmorn3.ini"
expect "a silent install without Velmorn3.ini fails" fails msiexec /i "$(windows_path "$shipped")" /qn
expect "and installs nothing" not_installed
expect "with a window, it says why in Spanish" refused_with \
    'Asistencia Remota se instala junto a Velmorn, y este equipo no tiene C:\Velmorn3\Velmorn3.ini. No se ha instalado nada.' \
    "$shipped"
expect "and installs nothing" not_installed
mv "$out/Velmorn3.ini" "$velmorn/Velmorn3.ini"
expect "the Velmorn files are untouched" velmorn_unchanged

echo "-- the shipped package, silently in and out"
expect "installs silently" msiexec /i "$(windows_path "$shipped")" /qn
expect "the signed program is in C:\\Velmorn3" is_the_program_of "$out/shipped"
expect "a Start-menu and a desktop shortcut point at it" shortcuts_point_at_the_program
expect "Programs and Features lists it once, with its version, vendor and help page" \
    registered_as "$version"
expect "and with the program's icon" icon_kept
expect "the Velmorn files are untouched" velmorn_unchanged
expect "uninstalls silently" msiexec /x "$(windows_path "$shipped")" /qn
expect "and leaves nothing of its own" not_installed
expect "the Velmorn files and folder are untouched" velmorn_unchanged

echo "-- version $version, then $next, then $version again"
expect "$version installs" msiexec /i "$(windows_path "$old")" /qn
expect "$version is registered" registered_as "$version"
expect "$next installs over it" msiexec /i "$(windows_path "$new")" /qn
expect "one product, $next" registered_as "$next"
expect "the program is $next's" is_the_program_of "$out/new"
expect "the shortcuts still point at it" shortcuts_point_at_the_program
expect "$next again changes nothing" msiexec /i "$(windows_path "$new")" /qn
expect "one product, $next" registered_as "$next"
expect "$version is refused silently" fails msiexec /i "$(windows_path "$old")" /qn
expect "with a window, it says why in Spanish" refused_with \
    'Ya está instalada una versión más reciente de Asistencia Remota. No se ha cambiado nada.' "$old"
expect "$next is still the one installed" registered_as "$next"
expect "and its program is still there" is_the_program_of "$out/new"
expect "the Velmorn files are untouched" velmorn_unchanged

echo "-- the installed program, from C:\\Velmorn3, end to end"
road() { shop_road 'C:\Velmorn3\AsistenciaRemota.exe' "$service" "$out" >"$out/road.log" 2>&1 ||
    { cat "$out/road.log" && return 1; }; }
expect "files, looks up and survives a cut and a drop" road
expect "the Velmorn files are untouched" velmorn_unchanged

echo "-- uninstalled"
expect "uninstalls silently" msiexec /x "$(windows_path "$new")" /qn
expect "the program, its shortcuts and its registration are gone" not_installed
expect "the Velmorn files and the folder are still there, unchanged" velmorn_unchanged
expect "the program's response file is left as the program left it" test -f "$response"

[[ $failed == 0 ]] || { echo "-- what the failed checks printed" && cat "$out/checks.log"; }
echo "package-test: $passed passed, $failed failed"
((failed == 0))
