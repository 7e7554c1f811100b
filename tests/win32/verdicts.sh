# Verdict lines, "ok    WHAT" and "FAIL  WHAT" with the details indented below,
# counted in passed and failed (sourced by the Windows check and its tests;
# $tag, where set, names what the lines are about).
passed=0
failed=0

pass() {
    passed=$((passed + 1))
    echo "ok    ${tag:-}$1"
}

fail() {
    failed=$((failed + 1))
    echo "FAIL  ${tag:-}$1"
    if [[ -n "${2:-}" ]]; then printf '%s\n' "$2" | sed 's/^/      /'; fi
}

# Passes when the two texts agree; otherwise shows both, and the file named
# last (a program's own output) if there is one.
expect() {
    local what=$1 wanted=$2 got=$3 output=${4:-}
    if [[ "$got" == "$wanted" ]]; then
        pass "$what"
        return
    fi
    local shown="wanted:"$'\n'"$wanted"$'\n'"got:"$'\n'"$got"
    [[ -s "$output" ]] && shown+=$'\n'"output:"$'\n'"$(tail -n 20 "$output")"
    fail "$what" "$shown"
}
