#!/usr/bin/env bash
# The Linux program typing into the chat client under Wine, alone: builds the
# bridge and the Win32 programs for x86-64 and x86 (the x86 part where the
# 32-bit Wine is installed) and runs their builds' Wine chat tests
# (tests/winelink/) by ctest, which reports the verdicts and builds the Linux
# program first. tools/windows_check.sh runs them with the rest.
# Usage: tools/wine_chat_check.sh [native build dir] [Windows build dir]
#        (defaults: build and build-windows; the x86 build beside it, with -i686)
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/windows_env.sh
native=$(realpath -m "${1:-build}")
build64=$(realpath -m "${2:-build-windows}")
status=0
for arch in x86-64 x86; do
    build=$build64 && [[ $arch == x86 ]] && build="$build64-i686"
    if [[ $arch == x86 ]] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then
        echo "wine chat check: x86 not run, the 32-bit Wine (wine32:i386) is not installed"
        continue
    fi
    mkdir -p "$build"
    HUELOOM_WINDOWS_ARCH=$arch HUELOOM_WINDOWS_BUILD=$build windows_build hueloom-wine-bridge \
        hueloom_chat_standin hueloom hueloom_window_driver >"$build/wine-chat-build.log" 2>&1 &&
        cmake "$build" -DHUELOOM_NATIVE_BUILD="$native" >/dev/null ||
        { tail -n 30 "$build/wine-chat-build.log" && echo "wine chat check: $arch build failed" && exit 1; }
    ctest --test-dir "$build" --output-on-failure -R "^winelink_" || status=1
done
exit "$status"
