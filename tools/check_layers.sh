#!/usr/bin/env bash
# Holds every C++ file to the floors of the house: a file includes only its own
# folder and the floors below it (so no two folders include each other), and Form1
# itself (app/form1.h) is named only where a front end makes it. Names each
# include that breaks a rule, with its file and line, and fails.
# Usage: tools/check_layers.sh [source root]   (default: this checkout)
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

# The floors, bottom to top, from their one declaration (the build reads it too).
# An include must reach a strictly lower floor, or stay in its folder.
declare -A floor=()
level=0
while read -r -a folders; do
    [[ ${#folders[@]} -eq 0 || ${folders[0]} == \#* ]] && continue
    level=$((level + 1))
    for folder in "${folders[@]}"; do floor[$folder]=$level; done
done <cmake/floors.txt
# The only files outside app/ and the tests that may name Form1: where a front end makes it.
form1_makers=" qt/qt_form1.cpp win32/win32_form1.cpp "

folder_of() {  # sets folder: the path's top folder (. at the root)
    folder=.
    [[ $1 == */* ]] && folder=${1%%/*}
    return 0
}

# Every C++ file in the tree, build folders aside.
mapfile -t sources < <(find . -path './build*' -prune -o -path './.git' -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's#^\./##' | sort)

failures=0
problem() {
    echo "$1"
    failures=$((failures + 1))
}

for file in "${sources[@]}"; do
    folder_of "$file"
    from=$folder
    if [[ -z "${floor[$from]:-}" ]]; then
        problem "$file: the folder $from has no floor; add it to cmake/floors.txt"
        continue
    fi
    while IFS=: read -r line included; do
        # Where the include resolves: from the root, beside the file, or the tests' own root.
        if [[ -f "$included" ]]; then
            target=$included
        elif [[ -f "${file%/*}/$included" ]]; then
            continue
        elif [[ -f "tests/$included" ]]; then
            target="tests/$included"
        else
            continue  # generated, or not the project's
        fi
        folder_of "$target"
        to=$folder
        [[ "$to" == "$from" ]] && continue
        if [[ -z "${floor[$to]:-}" ]]; then
            problem "$file:$line: includes $target, whose folder $to has no floor"
        elif ((floor[$to] >= floor[$from])); then
            problem "$file:$line: includes $target, but $to is not below $from"
        fi
        if [[ "$target" == app/form1.h && "$from" != tests && "$from" != bench &&
              "$form1_makers" != *" $file "* ]]; then
            problem "$file:$line: includes app/form1.h; only a front end's maker of Form1 may"
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
        sed -E 's/^([0-9]+):.*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1:\2/')
done

if ((failures)); then
    echo "layers: $failures include(s) break the floors"
    exit 1
fi
echo "layers: ${#sources[@]} files, every include runs down the floors"
