#!/usr/bin/env bash
# Dependencies point down only (README, "Layers"): every include of src/ names the folder
# of its own layer or of a layer it may use. Prints each include that breaks the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A may_use=(
    [text]=""
    [json]="text"
    [platform]="text"
    [session]="platform text"
    [database]="platform text"
    [identity]="database session platform text"
    [agent]="session platform text"
    [service]="agent identity json session platform text"
    [ui]="service agent identity session platform text"
    [app]="ui service agent identity database session json platform text"
)
# The front ends use everything below them.
front_end="app ui service agent identity database session json platform text"

failed=0
check() { # FOLDER LAYER ALLOWED...: the includes of the folder's own files
    local folder=$1 layer=$2
    shift 2
    local allowed=" $layer $* "
    local file line used
    while IFS= read -r -d '' file; do
        while IFS= read -r line; do
            used=${line#*\"}
            used=${used%%/*}
            if [[ $allowed != *" $used "* ]]; then
                echo "$file: $line ($layer may not use $used)"
                failed=1
            fi
        done < <(grep -E '^#\s*include "[a-z]+/' "$file" || true)
    done < <(find "$folder" -maxdepth "${depth:-1}" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.in' \) -print0)
}

for layer in "${!may_use[@]}"; do
    # shellcheck disable=SC2086
    check "src/$layer" "$layer" ${may_use[$layer]}
done
# The markup engine is part of the ui layer; the backends are part of platform.
depth=9 check src/ui/markup ui ${may_use[ui]}
depth=9 check src/platform/posix platform ${may_use[platform]}
depth=9 check src/platform/win32 platform ${may_use[platform]}
# shellcheck disable=SC2086
depth=9 check src/ui/qt ui $front_end
# shellcheck disable=SC2086
depth=9 check src/ui/win32 ui $front_end
exit $failed
