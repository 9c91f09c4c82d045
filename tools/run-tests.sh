#!/usr/bin/env bash
# Every test, from a fresh Debian machine: installs what is missing, starts the servers
# the tests need, builds the native, sanitizer, Windows and fuzzing builds and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

step() { printf '\n==== %s\n' "$*"; }

step "Dependencies"
tools/install-deps.sh

step "Firebird server and test databases"
tools/firebird/start.sh
trap 'tools/firebird/stop.sh || true' EXIT

step "Sanitizer build (address, undefined behaviour)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

step "Windows build (x86_64, tests under Wine; i686 compiled only)"
cmake --preset windows >/dev/null
cmake --build --preset windows
tools/wine/run-tests.sh
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686

step "Fuzzing the JSON parser for 60 seconds"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_json_parse
# libFuzzer reports every new path; keep its log, and show it whole only on a failure.
if cmake --build --preset fuzz --target fuzz_json_parse_run >build/fuzz/run.log 2>&1; then
    grep -E '^Done|stat::' build/fuzz/run.log || tail -n 3 build/fuzz/run.log
else
    cat build/fuzz/run.log
    exit 1
fi

step "Benchmarks build"
cmake --preset release >/dev/null
cmake --build --preset release --target asr_bench asr_bench_identity

step "Debug build, all tests"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
