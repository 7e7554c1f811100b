#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target hueloom

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "run: no display here, so the window opens on a virtual one (xvfb-run)"
    exec xvfb-run -a -s "-screen 0 1024x768x24" build/programs/hueloom
fi
exec build/programs/hueloom
