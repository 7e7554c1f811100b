#!/usr/bin/env bash
# Makes the download: the 32-bit hueloom.exe built for size (it runs on 32- and
# 64-bit Windows alike, as the chat client does), and a short text on its use,
# in dist/hueloom-VERSION-windows.zip, with hueloom.exe beside it and the sums
# of both in dist/SHA256SUMS. The same commit gives the same bytes, wherever
# and whenever it is built (tools/release_compare.sh checks that).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/release_env.sh

for tool in i686-w64-mingw32-g++-posix zip; do
    command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
done
# Built for size; win32/CMakeLists.txt splits the sections that the link then sheds.
build=build-windows-i686-release
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DHUELOOM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target hueloom
release_read "$build"

# What goes out starts on Windows XP: every import is one that XP has.
source tools/windows_env.sh
unlisted=$(windows_unlisted_imports i686-w64-mingw32-objdump "$build/win32/hueloom.exe" x86)
if [[ -n "$unlisted" ]]; then
    echo "package: hueloom.exe imports what tools/windows_imports.txt does not allow:" $unlisted >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/win32/hueloom.exe" "$stage/"
# The text is read on Windows: CR LF line ends. Its title is the window's caption.
caption=$(sed -n 's/^#define HUELOOM_FORM_CAPTION "\(.*\)"$/\1/p' app/form_identity.h)
sed 's/$/\r/' >"$stage/README.txt" <<TEXT
$caption

Hueloom sits beside your chat client and sends a line with its colours fading
from stop to stop.

1. Start the chat client and open a chat room.
2. Start hueloom.exe (nothing to install; it needs no other file). It runs on
   Windows XP SP3 and every later Windows, 32-bit and 64-bit alike, on any
   processor with SSE2 (every one since the Pentium 4 and the Athlon 64).
3. Set up to ten colour stops with the red, green and blue bars under the
   swatches, pick how many stops the fade runs over (3, 4, 5 or 10), and type
   your line. The strip below shows it as the chat will.
4. Press Send: the line goes into the front-most chat room.

A line can be at most 32,767 characters long; Hueloom says so when it is longer.
Close the window to quit; Hueloom tells the chat room as it leaves.
TEXT
# The members in a fixed order, with fixed modes, dated the release's time in
# UTC (a ZIP's times are local), and without the extra fields for the owner.
chmod 0644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
zip=dist/hueloom-$HUELOOM_VERSION-windows.zip
mkdir -p dist
rm -f dist/hueloom-*-windows.zip dist/hueloom.exe
(cd "$stage" && TZ=UTC0 zip -q -X -9 "$OLDPWD/$zip" hueloom.exe README.txt)
cp -p "$stage/hueloom.exe" dist/
echo "package: $zip ($(stat -c %s "$zip") bytes; hueloom.exe $(stat -c %s dist/hueloom.exe) bytes)"
release_sums dist/hueloom.exe "$zip"
