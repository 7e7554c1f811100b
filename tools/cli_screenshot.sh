#!/usr/bin/env bash
# Runs hueloom-fade's terminal format in a terminal on a virtual screen and saves a
# picture of the window. Usage: tools/cli_screenshot.sh [picture.png]
# (default docs/cli_terminal.png)
# The terminal is kitty, with Noto Color Emoji: it draws a joined emoji sequence or a
# flag as the one picture it is, where xterm draws its parts side by side.
set -euo pipefail
cd "$(dirname "$0")/.."

picture=${1:-docs/cli_terminal.png}
build_dir=${HUELOOM_BUILD_DIR:-build}

if [[ "${HUELOOM_ON_VIRTUAL_SCREEN:-}" != 1 ]]; then
    for tool in kitty xdotool import xvfb-run; do
        command -v "$tool" >/dev/null || { bash tools/setup.sh pictures; break; }
    done
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" -j "$(nproc)" --target hueloom-fade
    mkdir -p "$(dirname "$picture")"
    HUELOOM_ON_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1280x720x24" \
        bash "$0" "$picture"
fi

# From here on the script runs on the virtual screen. The session shown: each
# command after a prompt, then what it draws.
session=$(mktemp)
terminal=
trap 'rm -f "$session"; kill "$terminal" 2>/dev/null || true' EXIT
cat >"$session" <<'SESSION'
show() { printf '\033[38;2;90;90;90m$ %s\033[0m\n' "$1"; eval "$1"; }
show "hueloom-fade -f ansi 'Hueloom Loaded'"
show "echo 'Every character in its colour' | hueloom-fade -f ansi -s ff0000,ffbb00,00bb44,0077ff"
show "hueloom-fade -f ansi -s crimson,gold,dodgerblue 'A family 👩‍👩‍👧, flags 🇫🇷 🇯🇵 🇧🇷, waves 👋🏽 👋🏿, and é whole'"
show "hueloom-fade -f ansi --space oklab -s navy,orange 'Faded the way the eye sees it, in OKLab'"
printf '\033[38;2;90;90;90m$ \033[0m'
sleep 60
SESSION
# Software OpenGL: the virtual screen has no graphics card.
PATH="$PWD/$build_dir/cli:$PATH" LIBGL_ALWAYS_SOFTWARE=1 COLORTERM=truecolor \
    kitty --title hueloom-fade -o font_family="Liberation Mono" -o font_size=13 \
    -o background=#ffffff -o foreground=#000000 -o cursor=#000000 -o window_padding_width=8 \
    -o remember_window_size=no -o initial_window_width=112c -o initial_window_height=9c \
    bash "$session" >/dev/null 2>&1 &
terminal=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^hueloom-fade$' | head -n 1)
sleep 3  # the session has drawn
import -window "$window" "$picture"
echo "screenshot: saved $picture"
