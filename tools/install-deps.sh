#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the tests and the demo need.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang libclang-rt-14-dev clang-format
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev rapidjson-dev
    libxcb1-dev xvfb locales procps wget python3 at-spi2-core python3-pyatspi
    firebird3.0-server firebird3.0-utils
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 gcovr
    qt6-base-dev dbus fonts-dejavu-core fonts-liberation2 librsvg2-bin libmicrohttpd-dev libsqlite3-dev
    imagemagick fonts-wine
    wixl msitools osslsigncode openssl faketime binutils-mingw-w64-i686
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The 32-bit Windows build's tests run under Wine's 32-bit part. Without it a 32-bit test
# program prints nothing and looks as if it passed, so make sure it really is there.
if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    echo "Installing: wine32:i386"
    dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
    if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
        echo "wine32:i386 did not install: the 32-bit Windows tests cannot run" >&2
        exit 1
    fi
fi

# The date tests read the formats of a Spanish workstation.
if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    localedef -i es_ES -f UTF-8 es_ES.UTF-8
fi
