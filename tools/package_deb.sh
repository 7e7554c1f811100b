#!/usr/bin/env bash
# Makes the Debian package, dist/hueloom_VERSION-REVISION_amd64.deb: the two
# programs built for release with Debian's own hardening flags, and the bridges
# to the chat client under Wine cross-built for 64- and 32-bit prefixes, laid
# out by the install rules and packed by CPack, which works the dependencies out
# from the binaries. Its sum goes into dist/SHA256SUMS; the same commit gives
# the same bytes, wherever and whenever it is built (tools/release_compare.sh).
# tools/deb_check.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/release_env.sh

for tool in scdoc dpkg-shlibdeps dpkg-buildflags file; do
    command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
done
build=build-deb
# The bridges to the chat client under Wine first, for both kinds of prefix:
# Windows console programs, cross-built without the window.
bridges=()
for arch in x86_64 i686; do
    bridge_build="$build-bridge-$arch"
    cmake -S . -B "$bridge_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-$arch.cmake" -DHUELOOM_BUILD_APP=OFF \
        -DHUELOOM_BUILD_TESTS=OFF -DHUELOOM_BUILD_BENCH=OFF -DHUELOOM_INSTALL=OFF >/dev/null
    cmake --build "$bridge_build" -j "$(nproc)" --target hueloom-wine-bridge >/dev/null
    bridges+=("$PWD/$bridge_build/winelink/hueloom-wine-bridge.exe")
done
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DHUELOOM_BUILD_TESTS=OFF -DHUELOOM_BUILD_BENCH=OFF -DHUELOOM_INSTALL_WINE_BRIDGES=ON \
    -DHUELOOM_WINE_BRIDGE_WIN64="${bridges[0]}" -DHUELOOM_WINE_BRIDGE_WIN32="${bridges[1]}" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
# The release's time, not the build's, in the manual pages and the package's
# members; dpkg must read the changelog's date as the build did.
release_read "$build"
if [[ $(dpkg-parsechangelog -l "$build/packaging/changelog" -STimestamp) != "$SOURCE_DATE_EPOCH" ]]; then
    echo "package: the changelog's date is not $SOURCE_DATE_EPOCH as dpkg reads it" >&2
    exit 1
fi
cmake --build "$build" -j "$(nproc)"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(cd "$build" && echo *.deb)
mkdir -p dist
rm -f dist/hueloom_*.deb
cp "$build/$deb" dist/
echo "package: dist/$deb ($(stat -c %s "dist/$deb") bytes)"
release_sums "dist/$deb"
