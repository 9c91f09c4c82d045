#!/usr/bin/env bash
# Dependencies point down only (README, "Layers"): every include of src/ names the folder
# of its own layer or of a layer it may use. A file belongs to the deepest layer folder that
# holds it, and an include names the deepest layer folder its path starts with, so that
# "ui/qt/X.h" is the Qt front end's, not the portable ui's. Prints each include that breaks
# the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

core="ui ui/markup service agent identity database session json platform text"
declare -A may_use=(
    [text]=""
    [json]="text"
    [platform]="text"
    [platform/posix]="platform text"
    [platform/win32]="platform text"
    [session]="platform text"
    [database]="platform text"
    [identity]="database session platform text"
    [agent]="session platform text"
    [service]="agent identity json session platform text"
    [ui]="ui/markup service agent identity session platform text"
    [ui/markup]="ui service agent identity session platform text"
    # The front ends: the core and their system's backend, never the program above them.
    [ui/qt]="$core platform/posix"
    [ui/win32]="$core platform/win32"
    [app]="$core"
    # The programs: the start-up, and one front end with its backend.
    [app/qt]="app ui/qt $core platform/posix"
    [app/win32]="app ui/win32 $core platform/win32"
)

# found= the deepest layer folder that holds FOLDER (relative to src/), or nothing. No
# subshell: it runs for every include.
layer_of() {
    found=$1
    while [[ -z ${may_use[$found]+known} ]]; do
        [[ $found == */* ]] || {
            found=
            return
        }
        found=${found%/*}
    done
}

failed=0
while IFS= read -r -d '' file; do
    folder=${file#src/}
    layer_of "${folder%/*}"
    layer=$found
    if [[ -z $layer ]]; then
        echo "$file: in no layer's folder"
        failed=1
        continue
    fi
    allowed=" $layer ${may_use[$layer]} "
    while IFS= read -r line; do
        used=${line#*\"}
        layer_of "${used%/*}"
        used=$found
        if [[ $allowed != *" ${used:-?} "* ]]; then
            echo "$file: $line ($layer may not use ${used:-a folder that is no layer})"
            failed=1
        fi
    done < <(grep -E '^#\s*include "[a-z]+/' "$file" || true)
done < <(find src -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.in' \) -print0)
exit $failed
