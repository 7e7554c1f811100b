#!/usr/bin/env bash
# Runs hueloom.exe under Wine on a virtual screen beside the Win32 stand-in,
# sets ten colour stops, types a line, presses Send and saves a picture.
# Usage: tools/screenshot_windows.sh [picture.png] [line]   (default docs/screenshot-windows.png)
set -euo pipefail
cd "$(dirname "$0")/.."

picture=${1:-docs/screenshot-windows.png}
line=${2:-"Hello chat! This line fades through ten colour stops."}

if [[ "${HUELOOM_ON_VIRTUAL_SCREEN:-}" != 1 ]]; then
    for tool in import xvfb-run wine x86_64-w64-mingw32-g++-posix; do
        command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
    done
    mkdir -p "$(dirname "$picture")"
    HUELOOM_ON_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$0" "$picture" "$line"
fi

# From here on the script runs on the virtual screen.
source tools/windows_env.sh
windows_build >/dev/null
windows_prefix
windows_standin
wine "$program" >/dev/null 2>&1 &
program_pid=$!
wine "$stops" stops "$line" >/dev/null
sleep 1
# The stand-in's window and Hueloom's, with a margin.
import -window root -crop 790x530+30+30 +repage "$picture"
wine "$stops" close >/dev/null
wait "$program_pid" || true
wine "$standin" --quit >/dev/null 2>&1 || true
wineserver -w 2>/dev/null || true
echo "screenshot: saved $picture"
