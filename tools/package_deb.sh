#!/usr/bin/env bash
# Makes the Debian package, dist/hueloom_2.0-1_amd64.deb: the two programs built
# for release with Debian's own hardening flags, laid out by the install rules
# and packed by CPack, which works the dependencies out from the binaries.
# tools/deb_check.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in scdoc dpkg-shlibdeps dpkg-buildflags file; do
    command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
done
build=build-deb
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHUELOOM_BUILD_TESTS=OFF -DHUELOOM_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
# The manual pages carry the release's date, not the build's.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$build/packaging/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
cmake --build "$build" -j "$(nproc)"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(cd "$build" && echo *.deb)
mkdir -p dist
rm -f dist/hueloom_*.deb
cp "$build/$deb" dist/
echo "package: dist/$deb ($(stat -c %s "dist/$deb") bytes)"
