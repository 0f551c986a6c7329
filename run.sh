#!/usr/bin/env bash
# Sets up a fresh machine, builds Vexmoor and its data, then plays it (./run.sh) or runs every test (./run.sh test).
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh

jobs=$(nproc)

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
    cmake --build "$dir" -j"$jobs"
}

run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 300
}

mkdir -p build
case "${1:-play}" in
play)
    build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cd build/release/run
    exec ./vexmoor
    ;;
test)
    build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORN_WERROR=ON
    run_tests build/release
    # The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="-O1" -DCMAKE_C_FLAGS="-O1" \
        -DQORN_SANITIZE=ON -DQORN_WERROR=ON -DQORN_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_tests build/asan
    ;;
*)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac
