#!/usr/bin/env bash
# Builds hueloom.exe and runs it under Wine beside the Win32 stand-in chat
# client, on this display (on a virtual one when there is none). Closing
# Hueloom's window ends the run.
# Usage: tools/run_windows.sh [--x86] [--dpi N]
#   --x86     the 32-bit build in a 32-bit prefix (default: x86-64)
#   --dpi N   the display's dots per inch as Windows programs see it (default 96;
#             120, 144 and 192 are 125 %, 150 % and 200 %)
set -euo pipefail
cd "$(dirname "$0")/.."

while (($#)); do
    case $1 in
        --x86) export HUELOOM_WINDOWS_ARCH=x86 ;;
        --dpi)
            [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || { echo "run: --dpi takes a number" >&2; exit 2; }
            export HUELOOM_WINDOWS_DPI=$2
            shift
            ;;
        *) echo "usage: tools/run_windows.sh [--x86] [--dpi N]" >&2; exit 2 ;;
    esac
    shift
done

if [[ "${HUELOOM_ON_VIRTUAL_SCREEN:-}" != 1 ]]; then
    command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v i686-w64-mingw32-g++-posix \
        >/dev/null && command -v wine >/dev/null || bash tools/setup.sh test
    if [[ -z "${DISPLAY:-}" ]]; then
        echo "run: no display here, so the windows open on a virtual one (xvfb-run)"
        HUELOOM_ON_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0"
    fi
fi

source tools/windows_env.sh
windows_build
windows_prefix
windows_standin
trap 'wine "$standin" --quit >/dev/null 2>&1 || true' EXIT
wine "$program"
