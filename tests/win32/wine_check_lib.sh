# The Windows tests' shell harness (sourced): verdict lines, and what this build's
# fixtures hold in $HUELOOM_WINE_FIXTURES (wine_fixture.sh): the virtual display,
# the booted prefix, the stand-in chat client and its log. ctest sets the folder
# and the prefix's architecture; each test's scratch files go to its own folder.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/windows_env.sh"
fixtures=${HUELOOM_WINE_FIXTURES:?set by ctest, which readies the fixtures}
export WINEPREFIX="$fixtures/prefix"
[[ -s "$fixtures/display" ]] && export DISPLAY=":$(head -n 1 "$fixtures/display")"
windows_quiet
windows_xdg "$fixtures"
log="$fixtures/standin.log" standin_pid=$(cat "$fixtures/standin.pid" 2>/dev/null)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

log_lines() { wc -l <"$log"; }
log_since() { tail -n "+$(($1 + 1))" "$log"; }
