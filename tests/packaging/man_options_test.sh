#!/usr/bin/env bash
# The options of hueloom-fade's manual page against the program's --help: the
# same options under the same names, taking the same values. Options the page
# documents before the program has them are named on its "; ahead:" line; one
# the program has gained must leave that line.
# Usage: man_options_test.sh HUELOOM-FADE MANUAL-PAGE-SOURCE
set -euo pipefail
export LC_ALL=C
fade=$1 page=$2

# Each option as "NAMES" (its names, comma-separated, the long one first), then
# a "NAMES=VALUE" line for each value it takes, sorted.
describe() {  # reads "names values" lines, values comma-separated or empty
    local names values long
    while read -r names values; do
        long=$(tr "," "\n" <<<"$names" | sort | paste -sd,)
        echo "$long"
        [[ -z $values ]] || tr ',' '\n' <<<"$values" | sed "s/^/${long%%,*}=/"
    done | sort
}

from_help() {  # "  -f,--format TEXT:{markup,ansi}   ..." in the Options: section
    "$fade" --help | awk '/^Options:/ { on = 1; next } on && /^$/ { on = 0 }
        on && /^  -/ { values = ""; if (match($2, /:\{[^}]*\}/)) values = substr($2, RSTART + 2, RLENGTH - 3)
                       print $1, values }'
}

from_page() {  # "*-f*, *--format* markup|ansi" in the OPTIONS section
    awk '/^# / { on = ($0 == "# OPTIONS") } on && /^\*-/ {
        names = ""; rest = $0
        while (match(rest, /\*-[^*]*\*/)) {
            names = names (names == "" ? "" : ",") substr(rest, RSTART + 1, RLENGTH - 2)
            rest = substr(rest, RSTART + RLENGTH)
        }
        gsub(/^[ ,]+|[ ]+$/, "", rest)
        values = rest ~ /\|/ ? rest : ""; gsub(/\|/, ",", values)
        print names, values }' "$page"
}

help=$(from_help | describe)
documented=$(from_page | describe)
ahead=$(sed -n 's/^; ahead://p' "$page" | tr ' ' '\n' | sed '/^$/d')
[[ -n $help && -n $documented ]] || { echo "man_options: no options read" >&2; exit 1; }

# The ahead entry a line falls under (its option's long name, or name=value), if any.
ahead_of() {
    local key=${1%%,*}
    grep -xF -e "$key" -e "${key%%=*}" <<<"$ahead" | head -1 || true
}

failed=0
gained=$(while read -r line; do ahead_of "$line"; done <<<"$help" | sort -u)
for entry in $gained; do
    echo "man_options: the program has $entry now; drop it from the page's \"; ahead:\" line"
    failed=1
done
settled() { while read -r line; do [[ -n $(ahead_of "$line") ]] || echo "$line"; done; }
if ! differences=$(diff <(settled <<<"$help") <(settled <<<"$documented")); then
    echo "man_options: --help (<) and the manual page's OPTIONS (>) differ:"
    echo "$differences"
    failed=1
fi
exit "$failed"
