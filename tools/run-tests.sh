#!/usr/bin/env bash
# Every test, from a fresh Debian machine: installs what is missing, starts the servers
# the tests need, builds the native, sanitizer, Windows and fuzzing builds and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

# Zero warnings is part of passing.
configure() { cmake --preset "$1" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null; }

step() { printf '\n==== %s\n' "$*"; }

step "Dependencies"
tools/install-deps.sh

step "Formatting"
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

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
tools/wine/run-tests.sh build/windows-i686

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

step "End to end under Wine: the 32-bit program, Wget.exe and the stand-in service"
configure dev
cmake --build --preset dev --target asr_support_service asr_support_admin
tests/win32ui/end-to-end.sh build/windows-i686 build/dev/tools/support-service/asr_support_service

step "Debug build, all tests"
configure dev
cmake --build --preset dev
ctest --preset dev
cmake --install build/dev --prefix build/dev/installed >/dev/null
