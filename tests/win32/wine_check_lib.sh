# The Windows tests' shell harness (sourced): verdict lines, and the stand-in
# chat client started, read and quit. Needs DISPLAY and WINEPREFIX set, as
# tools/windows_check.sh sets them; each test's scratch files go to its own folder.
source "$(dirname "${BASH_SOURCE[0]}")/verdicts.sh"
scratch=$(mktemp -d)
standin_pid=
trap '[[ -n "$standin_pid" ]] && kill "$standin_pid" 2>/dev/null; rm -rf "$scratch"' EXIT

# The test's exit status: 0 when something passed and nothing failed.
finish() {
    ((failed == 0 && passed > 0))
    exit
}

if [[ -z "${DISPLAY:-}" || -z "${WINEPREFIX:-}" ]]; then
    fail "a display and a Wine prefix (run tools/windows_check.sh, which readies both)"
    finish
fi

# Starts the stand-in (its path in $standin) with its log in the named file
# and waits until it is up.
start_standin() {
    log=$1
    rm -f "$log"
    timeout 120 wine "$standin" "Z:${log//\//\\}" >"$log.out" 2>&1 &
    standin_pid=$!
    for _ in $(seq 300); do
        grep -qx ready "$log" 2>/dev/null && break
        kill -0 "$standin_pid" 2>/dev/null || break
        sleep 0.1
    done
}

quit_standin() {
    timeout 30 wine "$standin" --quit >"$scratch/quit.out" 2>&1
    wait "$standin_pid"
    local status=$?
    standin_pid=
    return "$status"
}

log_lines() { wc -l <"$log"; }
log_since() { tail -n "+$(($1 + 1))" "$log"; }
