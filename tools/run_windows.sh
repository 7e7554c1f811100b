#!/usr/bin/env bash
# Builds hueloom.exe and runs it under Wine beside the Win32 stand-in chat
# client, on this display (on a virtual one when there is none). Closing
# Hueloom's window ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${HUELOOM_ON_VIRTUAL_SCREEN:-}" != 1 ]]; then
    command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null ||
        bash tools/setup.sh test
    if [[ -z "${DISPLAY:-}" ]]; then
        echo "run: no display here, so the windows open on a virtual one (xvfb-run)"
        HUELOOM_ON_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0"
    fi
fi

source tools/windows_env.sh
windows_build
windows_prefix
windows_standin
trap 'wine "$standin" --quit >/dev/null 2>&1 || true' EXIT
wine "$program"
