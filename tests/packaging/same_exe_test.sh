#!/usr/bin/env bash
# hueloom.exe for release, built as tools/package_windows.sh builds it, twice
# from nothing: in two folders, with umask 022 in UTC and umask 002 in another
# time zone, without ccache. The two must be the same bytes.
# Usage: same_exe_test.sh SOURCE WORK   (exit 77: no MinGW-w64 cross compiler)
set -euo pipefail
source=$1 work=$2
command -v i686-w64-mingw32-g++-posix >/dev/null || { echo "same_exe: no MinGW-w64, skipped"; exit 77; }
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
rm -rf "$work"

build() { # FOLDER UMASK TZ
    (
        umask "$2"
        export TZ=$3
        cmake -S "$source" -B "$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-i686.cmake" \
            -DCMAKE_BUILD_TYPE=MinSizeRel -DHUELOOM_BUILD_TESTS=OFF >/dev/null
        cmake --build "$1" -j 2 --target hueloom >/dev/null
    )
}
build "$work/one" 022 UTC0
build "$work/another/two" 002 HUE-13:45
cmp "$work/one/win32/hueloom.exe" "$work/another/two/win32/hueloom.exe"
echo "same_exe: $(sha256sum <"$work/one/win32/hueloom.exe" | cut -d' ' -f1) both times"
rm -rf "$work"
