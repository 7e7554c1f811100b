#!/usr/bin/env bash
# Keystroke to finished preview under Wine, for hueloom.exe builds side by side.
# Each round runs every build once, in turn, in one prefix on one virtual display,
# so that what else the machine does falls on all of them alike. For each build
# and line length it prints the median over the rounds of each run's median, and
# its ratio to the first build's. Prints, never asserts.
#
#   bench/win32/keystroke_bench.sh [--rounds N] EXE [EXE...]    (default 9 rounds)
#
# Each EXE is a hueloom.exe (x86-64), for example a build of an earlier commit
# first and this one's second; both built the same way.
set -euo pipefail
cd "$(dirname "$0")/../.."

rounds=9
if [[ "${1:-}" == --rounds ]]; then
    [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || { echo "keystroke_bench: --rounds takes a number" >&2; exit 2; }
    rounds=$2
    shift 2
fi
(($#)) || { echo "usage: bench/win32/keystroke_bench.sh [--rounds N] EXE [EXE...]" >&2; exit 2; }
programs=()
for exe in "$@"; do
    [[ -f "$exe" ]] || { echo "keystroke_bench: no program $exe" >&2; exit 2; }
    programs+=("$(realpath "$exe")")
done

source tools/windows_env.sh
windows_arch x86-64
windows_display 1600x1200 || exit 1
work=$scratch
export WINEPREFIX="$scratch/prefix-win64"
windows_prefix >/dev/null

# Each run's medians go to runs.txt as lines of build number (from 0), line
# length and milliseconds; each round shows them as it ends.
for round in $(seq "$rounds"); do
    for i in "${!programs[@]}"; do
        rm -f "$work/report.txt"
        timeout 600 wine "${programs[$i]}" --time-keystrokes "Z:${work//\//\\}\\report.txt" \
            >/dev/null 2>&1 || echo "keystroke_bench: build $((i + 1)) failed in round $round" >&2
        [[ -f "$work/report.txt" ]] || continue
        tr -d '\r' <"$work/report.txt" |
            sed -n "s/^keystroke to finished preview, \([0-9]*\) characters: median \([0-9.]*\) ms.*/$i \1 \2/p" |
            tee -a "$work/runs.txt"
    done | awk -v round="$round" '{ printf "%s build %d, %s: %s ms", (NR == 1 ? "round " round ":" : ";"), $1 + 1, $2, $3 }
                                   END { print "" }'
done

echo "keystroke to finished preview under Wine, median of $rounds rounds' medians"
awk -v n="${#programs[@]}" '
    { times[$1 "," $2] = times[$1 "," $2] " " $3; lengths[$2] = 1 }
    function median(list,   values, count, i, j, t) {
        count = split(list, values, " ")
        for (i = 2; i <= count; ++i)
            for (j = i; j > 1 && values[j - 1] + 0 > values[j] + 0; --j) {
                t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
            }
        return count % 2 ? values[(count + 1) / 2] : (values[count / 2] + values[count / 2 + 1]) / 2
    }
    END {
        for (length_ in lengths) {
            first = median(times["0," length_])
            for (i = 0; i < n; ++i) {
                m = median(times[i "," length_])
                printf "  %5d characters, build %d: %8.2f ms  (%.2fx the first)\n", length_, i + 1, m, m / first
            }
        }
    }' "$work/runs.txt" | sort -n
for i in "${!programs[@]}"; do echo "  build $((i + 1)): ${programs[$i]}"; done
