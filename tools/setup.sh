#!/usr/bin/env bash
# Installs the Debian packages Hueloom needs that this machine lacks, as root
# or through sudo; without either it names what to install and stops.
# Usage: tools/setup.sh [build|test]   (test adds what the checks need)
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation
                xvfb xauth libcli11-dev)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
               g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386
               fonts-wine x11-utils imagemagick xdotool xterm zip)

wanted=("${build_packages[@]}")
[[ "${1:-build}" == test ]] && wanted+=("${test_packages[@]}")

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
