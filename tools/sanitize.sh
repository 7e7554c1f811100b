#!/usr/bin/env bash
# The sanitizer build: every unit and GUI test built with AddressSanitizer (and
# its LeakSanitizer) and UndefinedBehaviorSanitizer, errors fatal, and run.
# HUELOOM_ASAN_BUILD names the build directory (default build-asan).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${HUELOOM_ASAN_BUILD:-build-asan}
jobs=$(nproc)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

# Lean: -O1 with line tables only, no benchmarks.
cmake -S . -B "$build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DHUELOOM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$jobs"
