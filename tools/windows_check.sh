#!/usr/bin/env bash
# Cross-builds the Win32 programs and their tests for x86-64 and x86, and runs
# each build's tests (tests/win32, tests/winelink) by ctest, which reports every
# verdict: hueloom.exe's header and imports, then, under Wine on a virtual display
# with a throwaway prefix and the stand-in chat client (ctest's fixtures), the
# program driven through its controls, then the Linux program (built in build/)
# typing into the chat client there through the bridge; the x86 build in a
# 32-bit prefix.
# Usage: tools/windows_check.sh [build dir]   (default: build-windows; the x86
#        build goes beside it, in the same name with -i686)
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/windows_env.sh
build64=$(realpath -m "${1:-build-windows}")
build32="$build64-i686"
started=$SECONDS
finish() { check_finish "windows check" "$build64/skipped.txt"; }

# --- what the check needs -------------------------------------------------------
missing=()
for compiler in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix; do
    command -v "$compiler" >/dev/null ||
        missing+=("the cross compiler $compiler (packages g++-mingw-w64-x86-64-posix, g++-mingw-w64-i686-posix)")
done
for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool (packages wine and wine64)")
done
# The 32-bit Wine is the one thing the check can do without: the x86 build is
# still made and its header and imports checked, only its run under Wine waits.
skipped=
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" ||
    skipped="the x86 build's run under Wine in a 32-bit prefix: the 32-bit Wine (package wine32:i386) is not installed; tools/setup.sh test says why it could not be"
command -v Xvfb >/dev/null || missing+=("Xvfb (package xvfb)")
for tool in xdotool import python3; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
command -v cmake >/dev/null || missing+=("cmake (package cmake)")
command -v ninja >/dev/null || missing+=("ninja (package ninja-build)")
if ((${#missing[@]})); then
    for item in "${missing[@]}"; do
        fail "cannot run the Windows check: $item is not installed (bash tools/setup.sh test)"
    done
    echo "windows check: NOT RUN, so it fails"
    finish
fi
# --- each architecture: its build, then its tests by ctest ------------------------------
# Builds one architecture's programs and tests into its folder and runs its
# tests, those given to ctest after the folder; false when the build fails.
check_arch() {
    local arch=$1 build=$2 part=$SECONDS
    shift 2
    tag="$arch: "
    mkdir -p "$build"
    if ! HUELOOM_WINDOWS_ARCH=$arch HUELOOM_WINDOWS_BUILD=$build windows_build \
            hueloom_chat_standin hueloom_send_lines hueloom hueloom_window_driver \
            hueloom_win32_test hueloom-fade hueloom-wine-bridge >"$build/check-build.log" 2>&1; then
        fail "cross build of the stand-in, the sender, hueloom.exe, its driver, the fader and the bridge" \
            "$(grep -A2 'utf8proc' "$build/check-build.log"; tail -n 30 "$build/check-build.log")"
        return 1
    fi
    pass "cross build of the stand-in, the sender, hueloom.exe, its driver, the fader and the bridge ($((SECONDS - part)) s)"
    part=$SECONDS
    if ctest --test-dir "$build" --output-on-failure "$@"; then
        pass "its tests, by ctest ($((SECONDS - part)) s)"
    else
        fail "its tests, by ctest: their verdicts are above"
    fi
}

check_arch x86-64 "$build64"
# The x86 build's header and imports are read even where its run under Wine waits.
if [[ -n "$skipped" ]]; then
    check_arch x86 "$build32" --label-exclude wine
else
    check_arch x86 "$build32"
fi
finish
