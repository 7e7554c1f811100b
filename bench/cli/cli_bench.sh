#!/usr/bin/env bash
# Input megabytes per second of hueloom-fade in every format, against lolcat -f on
# the same files: lines of 80 plain characters, and lines of 80 clusters heavy with
# emoji (families, flags, skin tones, accents, Hangul jamo). Each figure is the
# fastest of ten runs (lolcat: of one). Prints, never asserts.
#
#   bench/cli/cli_bench.sh [megabytes]    (default 4 a file; lolcat takes about 12 s a megabyte)
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
plain="$work/plain.txt"
emoji="$work/emoji.txt"
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
}' >"$plain"
# Tokens, each with the clusters it makes, joined by spaces into lines of 80 clusters.
LC_ALL=C awk -v bytes=$((megabytes * 1000000)) 'BEGIN {
    n = split("👩‍👩‍👧 1 🇫🇷 1 👋🏽 1 ❤️ 1 😀 1 🏳️‍🌈 1 🧑🏿‍💻 1 🇯🇵 1 " \
              "e\xcc\x81t\xc3\xa9 3 \xe1\x84\x92\xe1\x85\xa1\xe1\x86\xab 1 chat 4 ok 2 👍 1 🎉 1",
              tokens, " ")
    for (i = 0; written < bytes; ++i) {
        line = ""
        for (clusters = j = 0; clusters < 80; ++j) {
            k = ((i * 5 + j * 3) % (n / 2)) * 2 + 1
            line = line tokens[k]
            clusters += tokens[k + 1]
            if (clusters < 80) { line = line " "; ++clusters }
        }
        print line
        written += length(line) + 1
    }
}' >"$emoji"

# Seconds of the fastest of the given number of runs of a command on a file.
best_seconds() {
    local runs=$1 file=$2 best="" start seconds
    shift 2
    for ((run = 0; run < runs; ++run)); do
        start=$EPOCHREALTIME
        "$@" <"$file" >/dev/null
        seconds=$(awk -v a="$EPOCHREALTIME" -v b="$start" 'BEGIN { print a - b }')
        best=$(awk -v s="$seconds" -v b="$best" 'BEGIN { print (b == "" || s < b) ? s : b }')
    done
    echo "$best"
}
rate() { awk -v bytes="$(wc -c <"$1")" -v s="$2" 'BEGIN { printf "%.3g", bytes / s / 1e6 }'; }

echo "input: $(wc -c <"$plain") bytes of plain lines, $(wc -c <"$emoji") bytes of emoji lines"
printf '%-44s %12s %12s\n' "MB/s of input" "plain" "emoji"
declare -A ansi_seconds
for run in "markup" "html" "bbcode" "minimessage" "ansi --color-depth 24" "ansi --color-depth 8" \
    "ansi --color-depth 4" "markup --space oklab" "irc" "irc --space oklab" "irc-hex" "matrix" \
    "minecraft" "tellraw"; do
    read -r -a args <<<"-f $run"
    plain_seconds=$(best_seconds 10 "$plain" "$fader" "${args[@]}")
    emoji_seconds=$(best_seconds 10 "$emoji" "$fader" "${args[@]}")
    printf '%-44s %12s %12s\n' "hueloom-fade -f $run" "$(rate "$plain" "$plain_seconds")" \
        "$(rate "$emoji" "$emoji_seconds")"
    [[ "$run" == "ansi --color-depth 24" ]] &&
        ansi_seconds=([plain]=$plain_seconds [emoji]=$emoji_seconds)
done
if [[ -z "$lolcat" ]]; then
    echo "lolcat is not installed (apt-get install lolcat): no comparison"
    exit 0
fi
lol_plain=$(best_seconds 1 "$plain" "$lolcat" -f)
lol_emoji=$(best_seconds 1 "$emoji" "$lolcat" -f)
times() { awk -v ours="$1" -v theirs="$2" 'BEGIN { printf "%.0f", theirs / ours }'; }
printf '%-44s %12s %12s\n' "lolcat -f" "$(rate "$plain" "$lol_plain")" "$(rate "$emoji" "$lol_emoji")"
printf '%-44s %12s %12s\n' "hueloom-fade -f ansi (24-bit), times lolcat -f" \
    "$(times "${ansi_seconds[plain]}" "$lol_plain")" "$(times "${ansi_seconds[emoji]}" "$lol_emoji")"
