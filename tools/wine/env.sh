# Sourced by the other scripts: the Wine environment of one build directory.
# Usage: source env.sh BUILD_DIR
asr_build_dir=$(cd "${1:?build directory}" && pwd)
export WINEPREFIX="$asr_build_dir/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The ANSI code page follows the Unix locale; this one gives code page 1252.
export LC_ALL=C.UTF-8
