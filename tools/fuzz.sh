#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs them.
#
#   tools/fuzz.sh TARGET SECONDS [libFuzzer options...]
#       a long run; the corpus grows in build-fuzz/corpus/TARGET (seeded from
#       tests/fuzz/corpus/TARGET), crashes land in build-fuzz/artifacts/TARGET/
#   tools/fuzz.sh --all SECONDS
#       a bounded run of every target over a throw-away copy of its seeds
#   tools/fuzz.sh --list
#
# Targets: render_fuzzer fade_fuzzer hex_fuzzer chatlink_fuzzer stops_fuzzer utf8_fuzzer format_fuzzer.
# HUELOOM_FUZZ_BUILD names the build directory (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(render_fuzzer fade_fuzzer hex_fuzzer chatlink_fuzzer bridge_fuzzer stops_fuzzer utf8_fuzzer format_fuzzer)
build=${HUELOOM_FUZZ_BUILD:-build-fuzz}
jobs=$(nproc)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

usage() { sed -n '4,12s/^# \{0,1\}//p' "$0"; exit 2; }

# Debian's clang, whichever version is installed: the plain name, else the newest numbered one.
find_clang() {
    local name
    for name in clang++ $(compgen -c clang++- | sort -t- -k2 -rn | uniq); do
        command -v "$name" >/dev/null || continue
        local runtime
        runtime=$("$name" -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null)
        if [[ -f "$runtime" ]]; then
            echo "$name"
            return
        fi
    done
    echo "fuzz: no clang with its fuzzer runtime (packages clang and libclang-rt-dev)" >&2
    return 1
}

configure_and_build() {
    # Runs started side by side share the build: one configures and builds at a time.
    mkdir -p "$build"
    exec 9>"$build/.fuzz.lock"
    flock 9
    local flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
    flags+=" -fno-omit-frame-pointer"
    local cxx
    cxx=$(find_clang)
    CC=${cxx/clang++/clang} CXX=$cxx cmake -S . -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
        -DCMAKE_CXX_FLAGS="$flags" -DHUELOOM_BUILD_FUZZERS=ON -DHUELOOM_BUILD_APP=OFF \
        -DHUELOOM_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" -j "$jobs" --target "$@"
    flock -u 9
}

# One bounded run over a temporary copy of the seeds; the log is kept on failure.
bounded_run() {
    local target=$1 seconds=$2 work
    work=$(mktemp -d)
    cp -r "tests/fuzz/corpus/$target" "$work/corpus"
    if "$build/tests/fuzz/$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" \
        >"$work/log" 2>&1; then
        echo "fuzz: $target $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" |
            grep -o '[0-9]*$') runs in ${seconds}s, nothing found"
        rm -rf "$work"
    else
        echo "fuzz: $target FAILED; log and crash input in $work" >&2
        tail -n 40 "$work/log" >&2
        return 1
    fi
}

case "${1:-}" in
--list)
    printf '%s\n' "${targets[@]}"
    ;;
--all)
    seconds=${2:-10}
    configure_and_build hueloom_fuzzers
    # Two at a time on this machine's two cores.
    failed=0
    pids=()
    for target in "${targets[@]}"; do
        bounded_run "$target" "$seconds" &
        pids+=($!)
        if ((${#pids[@]} >= jobs)); then
            wait "${pids[0]}" || failed=1
            pids=("${pids[@]:1}")
        fi
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
    exit "$failed"
    ;;
"" | -*)
    usage
    ;;
*)
    target=$1
    seconds=${2:?seconds}
    shift 2
    [[ " ${targets[*]} " == *" $target "* ]] || usage
    configure_and_build "$target"
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    exec "$build/tests/fuzz/$target" "$corpus" "tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$@"
    ;;
esac
