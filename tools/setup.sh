#!/usr/bin/env bash
# Installs the Debian packages Hueloom needs that this machine lacks, as root
# or through sudo; without either it names what to install and stops.
# Usage: tools/setup.sh [build|test|pictures]   (test adds what the checks need,
# pictures what the README's pictures are made with)
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation
                xvfb xauth libcli11-dev libutf8proc-dev)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
               g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386
               fonts-wine x11-utils imagemagick xdotool zip unicode-data
               at-spi2-core python3-pyatspi dbus)
# The terminal picture: a terminal that draws joined emoji and flags as one picture.
picture_packages=(kitty fonts-noto-color-emoji)

# The manual pages are built from scdoc; the Debian package is made and checked.
build_packages+=(scdoc)
test_packages+=(dpkg-dev file lintian desktop-file-utils appstream man-db)

wanted=("${build_packages[@]}")
[[ "${1:-build}" == test || "${1:-}" == pictures ]] && wanted+=("${test_packages[@]}")
[[ "${1:-}" == pictures ]] && wanted+=("${picture_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
((${#missing[@]})) || exit 0

if ((EUID == 0)); then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "setup: these Debian packages are missing: ${missing[*]}" >&2
    echo "setup: install them as root (apt-get install ${missing[*]}), then run this again" >&2
    exit 1
fi

# The 32-bit Wine (for the 32-bit prefix the Windows check runs the x86 build
# in) comes from Debian's i386 packages.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for the 32-bit Wine"
    "${as_root[@]}" dpkg --add-architecture i386
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
