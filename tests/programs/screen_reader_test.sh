#!/usr/bin/env bash
# Runs the Linux program on a virtual screen and an accessibility bus of its
# own and drives it as a screen reader does, through AT-SPI only
# (screen_reader_test.py). Usage: screen_reader_test.sh PROGRAM
set -euo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# Debian's Python, where python3-pyatspi installs, whatever python3 the path finds first.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

missing() {
    echo "screen_reader_test: $1 is missing; install Debian's $2 (bash tools/setup.sh test)" >&2
    exit 1
}
command -v Xvfb >/dev/null || missing Xvfb xvfb
command -v dbus-run-session >/dev/null || missing dbus-run-session dbus
[[ -x "$launcher" ]] || missing "$launcher" at-spi2-core
[[ -x "$python" ]] || missing "$python" python3
"$python" -c 'import pyatspi' 2>/dev/null || missing "the AT-SPI client for Python" python3-pyatspi

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$scratch/display" ]] && break
    sleep 0.1
done
if [[ ! -s "$scratch/display" ]]; then
    echo "screen_reader_test: Xvfb did not start: $(cat "$scratch/xvfb.log")" >&2
    exit 1
fi

# A session bus of its own, with the accessibility bus launched on it as a
# desktop session does; the Python side says a screen reader is running.
export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR="$scratch"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY NO_AT_BRIDGE
timeout --kill-after 10 150 dbus-run-session -- bash -c '
    "$1" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    "$2" "$3" "$4"' _ "$launcher" "$python" "$here/screen_reader_test.py" "$program"
