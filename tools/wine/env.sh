# Sourced by the other scripts: the Wine environment of one build directory.
# Usage: source env.sh BUILD_DIR
asr_build_dir=$(cd "${1:?build directory}" && pwd)
export WINEPREFIX="$asr_build_dir/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made, and no menu entries or
# desktop files on this host for the shortcuts programs make.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The ANSI code page follows the Unix locale; this one gives code page 1252.
export LC_ALL=C.UTF-8
# Debian's wine script prefers the 32-bit loader whenever wine32 is installed, and every
# Wine command then fails on a host that runs no 32-bit programs: use the 64-bit loader
# there (32-bit Windows programs cannot run on such a host at all).
if ! "$(dirname "${BASH_SOURCE[0]}")/runs-32-bit.sh" && [[ -x /usr/lib/wine/wine64 ]]; then
    asr_wine64_only="$asr_build_dir/wine64-only"
    mkdir -p "$asr_wine64_only"
    for asr_name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$asr_wine64_only/$asr_name"
        chmod +x "$asr_wine64_only/$asr_name"
    done
    export WINELOADER=/usr/lib/wine/wine64
    export PATH="$asr_wine64_only:$PATH"
fi
