#!/usr/bin/env bash
# The Linux program in a Wayland session, on a headless weston with XWayland
# and a runtime folder of its own: with DISPLAY set the window opens on
# XWayland, where the window manager can keep it on top; the user's
# QT_QPA_PLATFORM stands; with no X server it opens on Wayland alone; and a
# screen reader drives it in the session as on X11 (screen_reader_test.sh).
# Usage: wayland_session_test.sh PROGRAM CAPTION
set -uo pipefail

program=$(realpath "$1")
caption=$2
here=$(cd "$(dirname "$0")" && pwd)
wait_seconds=20

missing() {
    echo "wayland_session_test: $1 is missing; install Debian's $2 (bash tools/setup.sh test)" >&2
    exit 1
}
command -v weston >/dev/null || missing weston weston
command -v Xwayland >/dev/null || missing Xwayland xwayland
command -v xdotool >/dev/null || missing xdotool xdotool
command -v xwininfo >/dev/null || missing xwininfo x11-utils
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    missing "Qt's Wayland platform plugin" qt6-wayland

runtime=$(mktemp -d)
pids=()
cleanup() {
    local pid
    ((BASHPID == $$)) || return 0  # not in a subshell that has inherited the trap
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$runtime"
}
trap cleanup EXIT

# XWayland listens in the machine's X socket folder, which only an X server
# that has run before has made.
[[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null

weston_log=$runtime/weston.log
: >"$weston_log"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --xwayland --no-config \
    --idle-time=0 --socket=hueloom-wayland >"$weston_log" 2>&1 &
weston_pid=$!
pids+=("$weston_pid")
display=
for ((tick = 0; tick < wait_seconds * 10; tick++)); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$weston_log")
    [[ -n $display && -S $runtime/hueloom-wayland ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $display || ! -S $runtime/hueloom-wayland ]]; then
    echo "wayland_session_test: SKIPPED: weston with XWayland could not start here:"
    tail -n 5 "$weston_log" | sed 's/^/    /'
    exit 77
fi

# The session as a desktop starts it; no chat client under Wine, so the
# stand-in chat room opens; what the test command set for Qt is no user's.
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=hueloom-wayland DISPLAY=$display
export XDG_SESSION_TYPE=wayland WINEPREFIX=$runtime/no-wine LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP
# Qt's X11 platform in the sanitizer build, as in screen_reader_test.sh.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"

failures=0
check() {
    if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}
within() {  # polls a condition for up to wait_seconds
    local tick
    for ((tick = 0; tick < wait_seconds * 10; tick++)); do eval "$1" && return 0; sleep 0.1; done
    return 1
}
x_window() { xdotool search --name "^${caption//./\\.}\$" 2>/dev/null | head -n 1; }
shown_x_window() {
    local window
    window=$(x_window)
    [[ -n $window ]] && xwininfo -id "$window" | grep -q "Map State: IsViewable"
}
# The form's title given to a Wayland toplevel, in the program's protocol log.
wayland_window() { grep -qF ".set_title(\"$caption\")" "$log"; }
runs_on() { sleep 2 && kill -0 "$pid" 2>/dev/null; }
# Starts the program in the session as env changes it, its Wayland protocol logged.
start() {
    log=$runtime/$1.log
    shift
    WAYLAND_DEBUG=client env "$@" "$program" >"$log" 2>&1 &
    pid=$!
    pids+=("$pid")
    touch "$log"
}
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }

start xwayland
check "with XWayland the window is an X11 window named \"$caption\", shown" 'within shown_x_window'
check "... and no Wayland window" '! wayland_window'
stop
start wayland QT_QPA_PLATFORM=wayland
check "QT_QPA_PLATFORM=wayland: the window opens on Wayland" 'within wayland_window'
check "... no X11 window appears, and the program runs on" '[[ -z $(x_window) ]] && runs_on'
stop
start wayland-alone -u DISPLAY
check "with no DISPLAY the window opens on Wayland, and the program runs on" \
    'within wayland_window && runs_on'
stop
check "a screen reader sets a bar, types, hears the preview and sends, on XWayland" \
    'SCREEN_READER_SESSION=inherited bash "$here/screen_reader_test.sh" "$program"'

if ((failures)); then
    for log in "$runtime"/*.log; do
        echo "--- $(basename "$log"), its last lines:" && grep -v '^\[' "$log" | tail -n 5
    done
fi
((failures == 0))
