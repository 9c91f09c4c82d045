#!/usr/bin/env bash
# Line and branch coverage of src/ by every native test: builds the coverage preset,
# starts Firebird as the test script does (each X11 test starts its own Xvfb), runs the
# tests, prints coverage per folder of src/ and writes an HTML report.
#   tools/coverage.sh            (after tools/run-tests.sh has installed the dependencies)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/coverage

command -v gcovr >/dev/null || {
    echo "coverage.sh: gcovr is missing; tools/install-deps.sh installs it" >&2
    exit 1
}
tools/firebird/start.sh

cmake --preset coverage -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build --preset coverage
find "$build" -name '*.gcda' -delete
# A failing test still counts what it covered; its failure is reported at the end.
tests_status=0
ctest --preset coverage || tests_status=$?

mkdir -p "$build/report"
# Only the coverage build is searched: a Wine prefix elsewhere under build/ links drive Z:
# to the whole file system.
gcovr --root . --filter 'src/' --object-directory "$build" \
    --exclude-directories '.*/CMakeFiles/[0-9.]+$' \
    --exclude-unreachable-branches --exclude-throw-branches \
    --json-summary "$build/report/summary.json" \
    --html-details "$build/report/index.html" "$build" >/dev/null

python3 - "$build/report/summary.json" <<'PY'
import json, sys
from collections import defaultdict

folders = defaultdict(lambda: [0, 0, 0, 0])  # lines covered, lines, branches covered, branches
for f in json.load(open(sys.argv[1]))["files"]:
    parts = f["filename"].split("/")
    folder = "/".join(parts[:-1])
    for key in (folder, "src (all)"):
        t = folders[key]
        t[0] += f["line_covered"]; t[1] += f["line_total"]
        t[2] += f["branch_covered"]; t[3] += f["branch_total"]

def pct(a, b):
    return f"{100.0 * a / b:6.1f}%" if b else "     -"

print(f"{'folder':34} {'lines':>15} {'':7} {'branches':>15} {'':7}")
for name in sorted(folders, key=lambda k: (k == "src (all)", k)):
    lc, lt, bc, bt = folders[name]
    print(f"{name:34} {lc:7}/{lt:<7} {pct(lc, lt)} {bc:7}/{bt:<7} {pct(bc, bt)}")
PY
echo "HTML report: $build/report/index.html"
exit $tests_status
