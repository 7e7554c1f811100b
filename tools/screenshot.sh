#!/usr/bin/env bash
# Runs the program on a virtual screen beside its stand-in chat client, sets a
# few colour stops, types a line, presses Send and saves a picture of the screen.
# Usage: tools/screenshot.sh [picture.png] [line]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."

picture=${1:-docs/screenshot.png}
line=${2:-"Hello chat! This line fades through ten colour stops."}
build_dir=${HUELOOM_BUILD_DIR:-build}

if [[ "${HUELOOM_ON_VIRTUAL_SCREEN:-}" != 1 ]]; then
    for tool in xdotool import xvfb-run; do
        command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
    done
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" -j "$(nproc)" --target hueloom
    mkdir -p "$(dirname "$picture")"
    HUELOOM_ON_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -wr" \
        bash "$0" "$picture" "$line"
fi

# From here on the script runs on the virtual screen.
"$build_dir/programs/hueloom" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window_named() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
caption=$(sed -n 's/^#define HUELOOM_FORM_CAPTION "\(.*\)"$/\1/p' app/form_identity.h)
form=$(window_named "$caption")
chat=$(window_named "Stand-in chat room")
sleep 1  # the start announcement has been sent once both windows are up

# Pixels of Form1's client area (15 twips to the pixel): column k's red, green
# and blue bars stand at x = 40 (k - 1) + 8, 16 and 24, from y = 48 to 105;
# at value 0 the thumb covers y = 61 to 70. A drag, as the swatches follow it.
click_at() { xdotool mousemove --window "$form" "$1" "$2" click 1; }
drag_bar_to_bottom() {  # column, then 0 red, 1 green, 2 blue
    local x=$((40 * ($1 - 1) + 12 + 8 * $2))
    xdotool mousemove --window "$form" "$x" 65 mousedown 1 \
        mousemove --window "$form" "$x" 80 mousemove --window "$form" "$x" 104 mouseup 1
}
for stop in "1 0" "2 0" "2 1" "3 1" "4 1" "5 1" "5 2" "6 2" "7 2" "8 0" "8 2" "9 0" "10 0"; do
    # shellcheck disable=SC2086  # two numbers
    drag_bar_to_bottom $stop
done

click_at 200 145                              # Text1
xdotool type --delay 20 "$line"
click_at 28 208                               # Command1, "Send"
sleep 1
# The part of the screen both windows cover, with a margin.
read -r left top right bottom < <(
    for window in "$form" "$chat"; do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        echo "$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
    done | awk -v m=16 'NR == 1 { l = $1; t = $2; r = $3; b = $4 }
        { l = $1 < l ? $1 : l; t = $2 < t ? $2 : t; r = $3 > r ? $3 : r; b = $4 > b ? $4 : b }
        END { print (l > m ? l - m : 0), (t > m ? t - m : 0), r + m, b + m }')
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$picture"
echo "screenshot: saved $picture"
