#!/usr/bin/env bash
# What reaches the shops: the 32-bit program, signed, inside a signed Windows Installer
# package, with its debug information and SHA256SUMS beside them, in build/package/:
#   AsistenciaRemota-VERSION.exe    the program as the package installs it
#   AsistenciaRemota-VERSION.debug  its debug information (the program names it)
#   AsistenciaRemota-VERSION.msi    the package
#   SHA256SUMS
#
# Usage: bash tools/package.sh [--build DIR] [--program NAME] [--version X.Y.Z]
#                              [--out DIR] [--timestamp URL] [--unsigned]
#   --build DIR      package the program of this Windows build instead of building the
#                    shipping preset (build/shipping)
#   --program NAME   the build's program to install as AsistenciaRemota.exe (the end to end's
#                    AsistenciaRemotaPrueba talks to the stand-in service)
#   --version X.Y.Z  the package's version instead of the project's (upgrade tests)
#   --timestamp URL  a timestamping authority for both signatures; none is reachable from
#                    the build machines, so signatures carry no timestamp unless given one
#   --unsigned       no signatures, to compare two builds' bytes
# The vendor's key and certificate (PEM) are the files named by ASR_SIGNING_KEY and
# ASR_SIGNING_CERT. Without them a throw-away certificate authority is made in the output
# folder, signs, and is used to verify the signatures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build= program=AsistenciaRemota version= out=$root/build/package timestamp= signed=true
while (($#)); do
    case $1 in
    --build) build=$(cd "$2" && pwd) && shift ;;
    --program) program=$2 && shift ;;
    --version) version=$2 && shift ;;
    --out) out=$2 && shift ;;
    --timestamp) timestamp=$2 && shift ;;
    --unsigned) signed=false ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' && exit 0 ;;
    *) echo "package.sh: unknown option $1" >&2 && exit 2 ;;
    esac
    shift
done

if [[ -z $build ]]; then
    cmake --preset shipping -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build --preset shipping --target AsistenciaRemota
    build=$root/build/shipping
fi
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
project_version=$(cache CMAKE_PROJECT_VERSION)
version=${version:-$project_version}
exe=$(find "$build/src" -name "$program.exe" -print -quit)
debug=${exe%.exe}-$project_version.debug
icon=$(find "$build/src" -name program-icon.ico -print -quit)
[[ -f $exe && -f $debug && -f $icon ]] || { echo "package.sh: no $program.exe in $build" >&2 && exit 1; }
# The program's fixed folder is one folder on a drive, as C:\Velmorn3.
install_dir=$(cache ASR_INSTALL_DIR)
[[ $install_dir =~ ^([A-Za-z]:)\\([^\\]+)$ ]] ||
    { echo "package.sh: cannot install into $install_dir" >&2 && exit 1; }
drive=${BASH_REMATCH[1]} folder=${BASH_REMATCH[2]}
web_host=$(cache ASR_WEB_HOST)
# Anything that embeds a date takes the commit's.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}

rm -rf "$out" && mkdir -p "$out"
work=$out/.work
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
name=AsistenciaRemota-$version

signing_key=${ASR_SIGNING_KEY:-}
signing_cert=${ASR_SIGNING_CERT:-}
verify_ca=()
# throw_away_authority: a certificate authority and a code-signing certificate it issued,
# for this run only.
throw_away_authority() {
    local ca=$out/test-ca
    mkdir -p "$ca"
    openssl req -x509 -newkey rsa:2048 -nodes -days 30 -keyout "$ca/ca.key" -out "$ca/ca.pem" \
        -subj "/CN=Lunadoro prueba CA" -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -keyout "$ca/signer.key" -out "$work/signer.csr" \
        -subj "/CN=Lunadoro S.A. (prueba)" 2>/dev/null
    printf 'extendedKeyUsage=codeSigning\nkeyUsage=critical,digitalSignature\n' >"$work/signer.ext"
    openssl x509 -req -in "$work/signer.csr" -CA "$ca/ca.pem" -CAkey "$ca/ca.key" \
        -CAcreateserial -days 30 -extfile "$work/signer.ext" -out "$ca/signer.pem" 2>/dev/null
    signing_key=$ca/signer.key signing_cert=$ca/signer.pem
    verify_ca=(-CAfile "$ca/ca.pem")
}
# sign IN OUT: an Authenticode signature over IN, written to OUT.
sign() {
    local stamp=()
    [[ -z $timestamp ]] || stamp=(-ts "$timestamp")
    osslsigncode sign -certs "$signing_cert" -key "$signing_key" -n "Asistencia Remota" \
        -h sha256 "${stamp[@]}" -in "$1" -out "$2" >/dev/null
}
# verify FILE: the signature holds, up to the throw-away authority or the system's ones.
verify() {
    osslsigncode verify "${verify_ca[@]}" -in "$1" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log" >&2 && echo "package.sh: $1 does not verify" >&2 && return 1; }
}
# ship IN OUT: IN as it is shipped, signed and checked (or not, with --unsigned).
ship() {
    if $signed; then sign "$1" "$2" && verify "$2"; else cp "$1" "$2"; fi
}
if $signed && [[ -z $signing_key || -z $signing_cert ]]; then throw_away_authority; fi

# The program, as it is installed.
ship "$exe" "$out/$name.exe"
cp "$debug" "$out/${debug##*/}"
# wixl takes its sources by relative names.
cp "$out/$name.exe" "$work/AsistenciaRemota.exe"
cp "$icon" "$work/AsistenciaRemota.ico"
touch -d "@$SOURCE_DATE_EPOCH" "$work/AsistenciaRemota.exe" # the cabinet keeps its date

# The package. Its product code follows the version, so the same version again is the same
# product, never a second one beside it; its package code follows the bytes it holds.
guid() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' "$@"; }
# The upgrade code never changes: it is what lets a newer package replace an older one.
upgrade_code=9C32E7EE-FF3A-4810-9469-DAEB470DD41C
product_code=$(guid "$upgrade_code" "product $version")
package_code=$(guid "$upgrade_code" "package $version $(sha256sum <"$work/AsistenciaRemota.exe")")
msi=$out/$name.msi
# wixl dates the package with the clock: a clock stopped at the commit's time.
(cd "$work" && TZ=UTC faketime -f "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')" \
    wixl -a x86 -o package.msi -D UpgradeCode="$upgrade_code" -D ProductCode="$product_code" \
    -D Version="$version" \
    -D Drive="$drive" -D Folder="$folder" -D WebHost="$web_host" -D Icon=AsistenciaRemota.ico \
    -D Exe=AsistenciaRemota.exe \
    "$root/tools/package/AsistenciaRemota.wxs")
# What wixl does not write: the program's file version (a versioned file, replaced by the
# rules for versions, not by its hash), and the refusal to install without Velmorn.
file_version=$project_version.0
missing_velmorn="Asistencia Remota se instala junto a Velmorn, y este equipo no tiene $install_dir\\Velmorn3.ini. No se ha instalado nada."
sql() { msibuild "$work/package.msi" -q "$1"; }
sql "UPDATE \`File\` SET \`Version\` = '$file_version' WHERE \`File\` = 'AsistenciaRemota.exe'"
sql "DELETE FROM \`MsiFileHash\` WHERE \`File_\` = 'AsistenciaRemota.exe'"
sql "CREATE TABLE \`DrLocator\` (\`Signature_\` CHAR(72) NOT NULL, \`Parent\` CHAR(72), \`Path\` CHAR(255), \`Depth\` SHORT PRIMARY KEY \`Signature_\`, \`Parent\`, \`Path\`)"
sql "INSERT INTO \`Signature\` (\`Signature\`, \`FileName\`) VALUES ('VelmornIni', 'Velmorn3.ini')"
sql "INSERT INTO \`DrLocator\` (\`Signature_\`, \`Path\`, \`Depth\`) VALUES ('VelmornIni', '$install_dir', 0)"
sql "INSERT INTO \`AppSearch\` (\`Property\`, \`Signature_\`) VALUES ('VELMORNINI', 'VelmornIni')"
for sequence in InstallExecuteSequence InstallUISequence; do
    sql "INSERT INTO \`$sequence\` (\`Action\`, \`Sequence\`) VALUES ('AppSearch', 50)"
done
# Removing the program must not depend on Velmorn still being there.
sql "INSERT INTO \`LaunchCondition\` (\`Condition\`, \`Description\`) VALUES ('Installed OR VELMORNINI', '$missing_velmorn')"
msibuild "$work/package.msi" -s "Asistencia Remota $version" "Lunadoro S.A." "Intel;1034" "{$package_code}"
ship "$work/package.msi" "$msi"

(cd "$out" && sha256sum "$name.exe" "${debug##*/}" "$name.msi" >SHA256SUMS)
echo "package.sh: $(cd "$out" && ls "$name".* "${debug##*/}" SHA256SUMS | sort -u | tr "\n" " ")in $out"
