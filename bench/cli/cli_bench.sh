#!/usr/bin/env bash
# Input megabytes per second of hueloom-fade, as markup and drawn for a terminal,
# against lolcat -f on the same file of 80-character lines. Prints, never asserts.
#
#   bench/cli/cli_bench.sh [megabytes]    (default 4; lolcat takes about 8 s a megabyte)
#
# Builds hueloom-fade in build-release (Release) unless HUELOOM_FADE names a binary.
# lolcat comes from Debian's package lolcat; without it only our figures are shown.
set -euo pipefail
cd "$(dirname "$0")/../.."

megabytes=${1:-4}
fader=${HUELOOM_FADE:-}
if [[ -z "$fader" ]]; then
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-release -j "$(nproc)" --target hueloom-fade >/dev/null
    fader=build-release/cli/hueloom-fade
fi
lolcat=$(command -v lolcat || command -v /usr/games/lolcat || true)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input="$work/lines.txt"
# Words in a fixed order, cut to exactly 80 characters a line.
awk -v bytes=$((megabytes * 1000000)) 'BEGIN {
    n = split("the quick brown fox jumps over a lazy dog while colours run from stop " \
              "to stop across every line of chat 0123 4567 89", words, " ")
    for (i = 0; written < bytes; ++i) {
        line = ""
        for (j = 0; length(line) < 80; ++j) line = line words[(i * 7 + j * 3) % n + 1] " "
        print substr(line, 1, 80)
        written += 81
    }
}' >"$input"
size=$(wc -c <"$input")

# Seconds of the fastest of the given number of runs of a command on the input.
best_seconds() {
    local runs=$1 best="" start seconds
    shift
    for ((run = 0; run < runs; ++run)); do
        start=$EPOCHREALTIME
        "$@" <"$input" >/dev/null
        seconds=$(awk -v a="$EPOCHREALTIME" -v b="$start" 'BEGIN { print a - b }')
        best=$(awk -v s="$seconds" -v b="$best" 'BEGIN { print (b == "" || s < b) ? s : b }')
    done
    echo "$best"
}
rate() { awk -v bytes="$size" -v s="$1" 'BEGIN { printf "%.2f", bytes / s / 1e6 }'; }

markup=$(rate "$(best_seconds 5 "$fader")")
ansi=$(rate "$(best_seconds 5 "$fader" -f ansi)")
echo "input: $size bytes in lines of 80 characters"
printf '%-26s %10s MB/s\n' "hueloom-fade (markup)" "$markup" "hueloom-fade -f ansi" "$ansi"
if [[ -z "$lolcat" ]]; then
    echo "lolcat is not installed (apt-get install lolcat): no comparison"
    exit 0
fi
lol=$(rate "$(best_seconds 1 "$lolcat" -f)")
printf '%-26s %10s MB/s\n' "lolcat -f" "$lol"
printf '%-26s %10s times lolcat\n' "hueloom-fade -f ansi" "$(awk -v a="$ansi" -v l="$lol" 'BEGIN { printf "%.0f", a / l }')"
