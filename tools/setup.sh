#!/usr/bin/env bash
# Installs the Debian packages Hueloom needs that this machine lacks.
# Usage: tools/setup.sh [build|test]   (test adds what the checks need)
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation
                xvfb xauth libcli11-dev)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               g++-mingw-w64-x86-64-posix wine wine64 x11-utils imagemagick
               xdotool xterm)

wanted=("${build_packages[@]}")
[[ "${1:-build}" == test ]] && wanted+=("${test_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
