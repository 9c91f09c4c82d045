#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the tests and the demo need.
set -euo pipefail

packages=(
    cmake g++ make clang libclang-rt-14-dev clang-format
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev rapidjson-dev
    libxcb1-dev xvfb x11-utils locales procps wget
    firebird3.0-server firebird3.0-utils
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 gcovr
    qt6-base-dev dbus fonts-dejavu-core fonts-liberation2 librsvg2-bin libmicrohttpd-dev libsqlite3-dev
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

# The date tests read the formats of a Spanish workstation.
if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    localedef -i es_ES -f UTF-8 es_ES.UTF-8
fi
