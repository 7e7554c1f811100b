# The Windows tests' shell harness (sourced): verdict lines and the stand-in
# chat client, started and quit as every Windows script does (windows_env.sh),
# its log read. Needs DISPLAY and WINEPREFIX set, as tools/windows_check.sh
# sets them; each test's scratch files go to its own folder.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/windows_env.sh"
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

log_lines() { wc -l <"$log"; }
log_since() { tail -n "+$(($1 + 1))" "$log"; }
