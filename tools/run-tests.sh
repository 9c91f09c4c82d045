#!/usr/bin/env bash
# Every test, from a fresh Debian machine: installs what is missing, starts the servers
# the tests need, builds the native, sanitizer, Windows and fuzzing builds and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

# Zero warnings is part of passing.
configure() { cmake --preset "$1" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null; }

# Each leg ends with its time, so that a slow leg shows where the wait goes.
leg_started=$SECONDS
leg_name=
end_leg() { [[ -z $leg_name ]] || printf '==== %s: %d s\n' "$leg_name" $((SECONDS - leg_started)); }
step() {
    end_leg
    leg_name=$*
    leg_started=$SECONDS
    printf '\n==== %s\n' "$*"
}

step "Dependencies"
tools/install-deps.sh

step "Formatting"
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

step "Layers"
tools/check-layers.sh

step "Firebird server and test databases"
tools/firebird/start.sh
trap 'tools/firebird/stop.sh || true' EXIT

step "Sanitizer build (address, undefined behaviour)"
configure asan
cmake --build --preset asan
ctest --preset asan

step "Windows build x86_64, tests under Wine"
configure windows
cmake --build --preset windows
tools/wine/run-tests.sh build/windows

step "Windows build i686 (the one the shops run), tests under Wine"
configure windows-i686
cmake --build --preset windows-i686
# The Windows end to end runs the build the shops run, where this host can run it.
end_to_end_build=build/windows-i686
if tools/wine/runs-32-bit.sh; then
    tools/wine/run-tests.sh build/windows-i686
else
    echo "This host runs no 32-bit programs (its kernel's IA-32 emulation is off): the i686"
    echo "build is built but cannot be run here; the end to end runs the x86_64 build."
    end_to_end_build=build/windows
fi

step "Fuzzing every parser (each for its few seconds, about 3 minutes in all)"
configure fuzz
cmake --build --preset fuzz
# libFuzzer reports every new path; keep each log, and show it whole only on a failure.
for run in $(cmake --build --preset fuzz --target help | grep -o 'fuzz_[a-z_]*_run' | sort -u); do
    if cmake --build --preset fuzz --target "$run" >"build/fuzz/$run.log" 2>&1; then
        printf '%-28s %s\n' "$run" "$(grep -E '^Done' "build/fuzz/$run.log" || tail -n 1 "build/fuzz/$run.log")"
    else
        cat "build/fuzz/$run.log"
        exit 1
    fi
done

step "Benchmarks build"
configure release
cmake --build --preset release --target asr_bench asr_bench_identity asr_bench_service \
    asr_bench_startup

step "End to end under Wine: the Windows program, Wget.exe and the stand-in service"
configure dev
cmake --build --preset dev --target asr_support_service asr_support_admin
tests/ui/win32/end-to-end.sh "$end_to_end_build" build/dev/tools/support-service/asr_support_service

step "Debug build, all tests"
configure dev
cmake --build --preset dev
cmake --install build/dev --prefix build/dev/installed >/dev/null
printf '==== every leg before the last tests: %d s\n' "$SECONDS"
# The last lines are the test runner's own summary.
ctest --preset dev
