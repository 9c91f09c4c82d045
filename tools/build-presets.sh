#!/usr/bin/env bash
# Builds every target of the named presets (all of them by default) with each preset's own
# settings, warnings as errors. The test command builds some presets with quicker settings
# of its own (-O1 Windows builds, line tables only, unity builds); this builds them as
# developers and the shops get them. Usage: tools/build-presets.sh [PRESET...]
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
((${#presets[@]})) || presets=(dev release asan fuzz coverage demo windows windows-i686 shipping)
for preset in "${presets[@]}"; do
    printf '\n==== %s\n' "$preset"
    started=$SECONDS
    # --fresh: settings an earlier run of the test command left in the cache are dropped.
    cmake --preset "$preset" --fresh -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build --preset "$preset"
    printf '==== %s: %d s\n' "$preset" $((SECONDS - started))
done
