#!/usr/bin/env bash
# Every test, from a fresh Debian machine: installs what is missing, starts the servers
# the tests need, builds the native, sanitizer, Windows and fuzzing builds and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

# Zero warnings is part of passing. Extra arguments are this run's own settings: CI
# builds are compiled, tested and thrown away, so nobody steps through them in a
# debugger (line tables suffice for the sanitizers' reports) and one file a batch of
# sources (unity builds) saves parsing the same headers again and again.
configure() {
    local preset=$1
    shift
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null
}
unity=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16)

# Each leg ends with its time and the processor time of its commands, so that a slow leg
# shows where the wait goes; legs run beside another one end with their own time.
times_file=$(mktemp)
leg_started=$SECONDS
leg_cpu=0
leg_name=
# cpu_now: cpu, the processor seconds of every command this shell waited for so far. times
# must run in this shell, not in a $(...) subshell, to count them.
cpu_now() {
    times >"$times_file"
    cpu=$(awk 'NR == 2 { split($1, u, "m"); split($2, s, "m"); print int(u[1] * 60 + u[2] + s[1] * 60 + s[2]) }' "$times_file")
}
end_leg() {
    cpu_now
    [[ -z $leg_name ]] ||
        printf '==== %s: %d s (processor %d s)\n' "$leg_name" $((SECONDS - leg_started)) $((cpu - leg_cpu))
    leg_name=
    leg_cpu=$cpu
}
step() {
    end_leg
    leg_name=$*
    leg_started=$SECONDS
    printf '\n==== %s\n' "$*"
}

# A leg that waits on Wine or on the clock more than on the processor runs beside the
# next build: beside NAME COMMAND... starts it with its output in build/NAME.log,
# joined NAME waits for it, shows its output and fails when it failed.
# Bash reaps a background job when it ends, so the leg then running counts its processor
# time too; the job's own figure comes from a times of its own shell.
declare -A beside_pid beside_started
beside() {
    local name=$1
    shift
    mkdir -p build
    printf '\n==== %s (beside the next leg)\n' "$name"
    bash -c '"$@"; status=$?; times >"$0"; exit $status' "build/$name.times" "$@" >"build/$name.log" 2>&1 &
    beside_pid[$name]=$!
    beside_started[$name]=$SECONDS
}
joined() {
    local name=$1 status=0 own
    wait "${beside_pid[$name]}" || status=$?
    own=$(awk 'NR == 2 { split($1, u, "m"); split($2, s, "m"); print int(u[1] * 60 + u[2] + s[1] * 60 + s[2]) }' "build/$name.times" 2>/dev/null || echo '?')
    printf '\n==== %s\n' "$name"
    cat "build/$name.log"
    printf '==== %s: %d s (processor %s s)\n' "$name" $((SECONDS - ${beside_started[$name]})) "$own"
    return $status
}

step "Dependencies"
tools/install-deps.sh

step "Formatting"
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

step "Layers"
tools/check-layers.sh

step "Firebird server and test databases"
# A server that already answered (another run's, a developer's) is left running at the end.
stop_firebird=true
if (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then stop_firebird=false; fi
tools/firebird/start.sh
finish() {
    local pid
    for pid in "${beside_pid[@]}"; do kill "$pid" 2>/dev/null || true; done
    if $stop_firebird; then tools/firebird/stop.sh || true; fi
    end_leg
    printf '==== total: %d s (processor %d s)\n' $SECONDS "$cpu"
}
trap finish EXIT

step "Sanitizer build (address, undefined behaviour)"
configure asan -DCMAKE_CXX_FLAGS_DEBUG=-g1 "${unity[@]}"
cmake --build --preset asan
ctest --preset asan

# Tests only, never shipped from here: -O1 finds the same warnings as the shops' -O3 build
# at less than half its compile time.
windows_flags=(-DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" "${unity[@]}")
# The Windows tests run on the build the shops run, where this host can run 32-bit programs.
# Elsewhere they run on the x86_64 build, and the shops' build is built for its package.
if tools/wine/runs-32-bit.sh; then
    windows_preset=windows-i686
else
    windows_preset=windows
    echo "This host runs no 32-bit programs (its kernel's IA-32 emulation is off): the Windows"
    echo "tests, the end to end and the package tests run on the x86_64 build."
fi
windows_build=build/$windows_preset
step "Windows build $windows_preset"
configure "$windows_preset" "${windows_flags[@]}"
cmake --build --preset "$windows_preset"
end_leg
beside "Windows tests under Wine" tools/wine/run-tests.sh "$windows_build"

step "The shops' program, twice in two folders: the same bytes"
# The second folder has this one's settings and builds only the program.
configure windows-i686 "${windows_flags[@]}"
cmake --build --preset windows-i686 --target AsistenciaRemota windows8_import_probe
cmake -S . -B build/windows-i686-again --preset windows-i686 -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    "${windows_flags[@]}" >/dev/null
cmake --build build/windows-i686-again --target AsistenciaRemota -j 2
tests/package/reproducible.sh build/windows-i686 build/windows-i686-again
ctest --test-dir build/windows-i686 --output-on-failure --no-tests=error -R Import

step "Fuzzers build"
configure fuzz -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
cmake --build --preset fuzz
end_leg
joined "Windows tests under Wine"
# Each fuzzer for its few seconds, about 3 minutes in all, two at a time: libFuzzer keeps
# one processor busy. Each log is kept, and shown whole only on a failure.
fuzz_runs() {
    local run failed=0
    cmake --build --preset fuzz --target help | grep -o 'fuzz_[a-z_]*_run' | sort -u |
        xargs -P 2 -I{} sh -c 'cmake --build --preset fuzz --target {} >build/fuzz/{}.log 2>&1 ||
            { echo "{} failed" >build/fuzz/{}.failed; exit 1; }' || failed=1
    for run in $(cmake --build --preset fuzz --target help | grep -o 'fuzz_[a-z_]*_run' | sort -u); do
        if [[ -e build/fuzz/$run.failed ]]; then
            cat "build/fuzz/$run.log"
        else
            printf '%-28s %s\n' "$run" "$(grep -E '^Done' "build/fuzz/$run.log" || tail -n 1 "build/fuzz/$run.log")"
        fi
    done
    return $failed
}
rm -f build/fuzz/*.failed
step "Fuzzing every parser (each for its few seconds)"
fuzz_runs

step "Release build, benchmarks included"
configure release "${unity[@]}"
cmake --build --preset release

step "Debug build: the stand-in service"
configure dev -DCMAKE_CXX_FLAGS_DEBUG=-g1 "${unity[@]}"
cmake --build --preset dev --target asr_support_service asr_support_admin
end_leg
# One after the other: both talk to the stand-in service on the end to end's port.
beside "Under Wine: the Windows program end to end, and its package" bash -c \
    'tests/ui/win32/end-to-end.sh "$0" "$1" win10 && tests/package/package-test.sh "$0" "$1"' \
    "$windows_build" build/dev/tools/support-service/asr_support_service

step "Debug build, all tests"
cmake --build --preset dev
cmake --install build/dev --prefix build/dev/installed >/dev/null
end_leg
# The stand-in service's port is the end to end's until it ends.
joined "Under Wine: the Windows program end to end, and its package"
printf '==== every leg before the last tests: %d s\n' "$SECONDS"
# The test runner's own summary comes just before the last leg's time and the total.
step "Debug tests"
ctest --preset dev
