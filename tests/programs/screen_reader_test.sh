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
command -v dbus-run-session >/dev/null || missing dbus-run-session dbus
[[ -x "$launcher" ]] || missing "$launcher" at-spi2-core
[[ -x "$python" ]] || missing "$python" python3
"$python" -c 'import pyatspi' 2>/dev/null || missing "the AT-SPI client for Python" python3-pyatspi

# SCREEN_READER_SESSION=inherited runs it in the caller's session, on its
# display and runtime folder, with the program choosing its own Qt platform
# (wayland_session_test.sh); otherwise on a virtual X11 screen of its own.
if [[ ${SCREEN_READER_SESSION:-} == inherited ]]; then
    on_screen=()
else
    command -v xvfb-run >/dev/null || missing xvfb-run xvfb
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime"
    on_screen=(xvfb-run -a -s "-screen 0 1024x768x24")
fi
# A session bus of its own, with the accessibility bus launched on it as a
# desktop session does; the Python side says a screen reader is running.
export LC_ALL=C.UTF-8
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY NO_AT_BRIDGE
# In the sanitizer build: libxkbcommon-x11 hands strndup a name with no
# terminator, which the strict string check reads past, so Qt's X11 platform
# could not start; every other check stays.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
timeout --kill-after 10 150 "${on_screen[@]}" dbus-run-session -- bash -c '
        "$1" --launch-immediately >/dev/null 2>&1 &
        trap "kill $! 2>/dev/null" EXIT
        "$2" "$3" "$4"' _ "$launcher" "$python" "$here/screen_reader_test.py" "$program"
