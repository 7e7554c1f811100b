#!/usr/bin/env bash
# The Linux program's memory while a bridge floods it without a newline: the
# program starts beside a prefix whose wineserver seems to run, so that it asks
# the bridge at once; "wine" here is the tests' fake bridge, flooding. Prints
# the time until the program gave the bridge up and its peak resident memory,
# for a flood at full speed (ended by the bound of a message) and one of a KiB
# a millisecond (ended by the answer's time limit).
# Usage: bench/winelink/flood_memory.sh [native build dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
native=$(realpath -m "${1:-build}")
program="$native/programs/hueloom" fake="$native/tests/winelink/fake_bridge"
cmake --build "$native" --target hueloom fake_bridge >/dev/null
scratch=$(mktemp -d)
holder=
cleanup() {
    [[ -n "$holder" ]] && kill "$holder" 2>/dev/null
    rm -rf "$scratch"
    [[ -n "${lockdir:-}" ]] && rm -rf "$lockdir"
}
trap cleanup EXIT

# A prefix whose server lock is held, where this Wine would keep it.
prefix="$scratch/prefix" && mkdir -p "$prefix"
echo wine-flood >"$prefix/wineserver"
export TMPDIR="$scratch/tmp" && mkdir -p "$TMPDIR"
name="server-$(printf '%x-%x' $(stat -c '%d %i' "$prefix"))"
if [[ -d "/run/user/$(id -u)" && -O "/run/user/$(id -u)" ]]; then
    lockdir="/run/user/$(id -u)/wine/$name"
else
    lockdir="$TMPDIR/wine-flood/$name"
fi
mkdir -p "$lockdir"
python3 -c 'import fcntl, sys, time
f = open(sys.argv[1], "w"); fcntl.lockf(f, fcntl.LOCK_EX); time.sleep(600)' "$lockdir/lock" &
holder=$!
sleep 0.5

for pause in 0 1; do
    mkdir -p "$scratch/bin"
    printf '#!/bin/sh\nexec "%s" flood %s 0\n' "$fake" "$pause" >"$scratch/bin/wine"
    chmod +x "$scratch/bin/wine"
    started=$(date +%s%N)
    PATH="$scratch/bin:$PATH" WINEPREFIX="$prefix" HUELOOM_WINE_BRIDGE="$fake" \
        QT_QPA_PLATFORM=offscreen "$program" >"$scratch/out" 2>&1 &
    pid=$!
    gave_up=
    for _ in $(seq 200); do
        if [[ -z "$gave_up" ]] && grep -q "could not be reached" "$scratch/out"; then
            gave_up=$((($(date +%s%N) - started) / 1000000))
        fi
        [[ -n "$gave_up" ]] && break
        sleep 0.05
    done
    sleep 1  # the stand-in room opens: the program as it then runs
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "flood, a KiB each ${pause} ms: given up after ${gave_up:-?} ms" \
        "($(sed -n 's/.*reached (\(.*\))$/\1/p' "$scratch/out")); peak RSS $((peak / 1024)) MB ($peak kB)"
done
