# Verdict lines, "ok    WHAT" and "FAIL  WHAT" with the details indented below,
# counted in passed and failed, and the one end of a check (sourced through
# windows_env.sh; $tag, where set, names what the lines are about).
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

# Ends the check named (as "windows check"), which began at $started: its time,
# its counts and what it skipped ($skipped, where set, said why and kept in the
# file given, for the test command's last line). Passes only when something
# passed and nothing failed.
check_finish() {
    local name=$1 record=${2:-} counts="$passed passed, $failed failed"
    tag=
    echo "$name: $((SECONDS - ${started:-0})) s"
    if [[ -n "${skipped:-}" ]]; then
        echo "${name// /-}: $counts, 1 skipped"
        echo "$name: skipped $skipped"
    else
        echo "${name// /-}: $counts"
    fi
    if [[ -n "$record" ]]; then
        mkdir -p "${record%/*}"
        if [[ -n "${skipped:-}" ]]; then echo "$skipped" >"$record"; else rm -f "$record"; fi
    fi
    ((failed == 0 && passed > 0))
    exit
}
