#!/usr/bin/env bash
# tools/setup.sh against a package archive in the middle of a sync, played by
# stand-ins for apt-get, dpkg-query and dpkg on PATH: a stale index is only a
# warning, a package that cannot be had costs only itself and is named, and
# the exit says whether the build (or the tests) still lack something.
# Usage: setup_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
if ((EUID != 0)); then
    echo "setup test: needs root, where setup.sh uses no sudo (which would skip the stand-ins)"
    exit 77
fi
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT

# What is installed is a list in a file; what the archive cannot give, another.
cat >"$fake/dpkg-query" <<'EOT'
#!/bin/bash
grep -qxF "${!#}" "$FAKE/installed" 2>/dev/null && echo "install ok installed"
EOT
cat >"$fake/dpkg" <<'EOT'
#!/bin/bash
[[ $1 == --print-foreign-architectures ]] && echo i386
exit 0
EOT
cat >"$fake/apt-get" <<'EOT'
#!/bin/bash
packages=()
for word in "$@"; do
    case $word in
        update) echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size" >&2
                exit 100 ;;
        -*|install) ;;
        *) packages+=("$word") ;;
    esac
done
for package in "${packages[@]}"; do
    if grep -qxF "$package" "$FAKE/refused"; then
        echo "E: Unable to correct problems, you have held broken packages." >&2
        exit 100
    fi
done
printf '%s\n' "${packages[@]}" >>"$FAKE/installed"
EOT
chmod +x "$fake"/*
export FAKE=$fake

failures=0
# Runs setup.sh in a mode with the refused packages given; sets out and status.
setup() {
    local mode=$1
    shift
    : >"$fake/installed"
    printf '%s\n' "$@" >"$fake/refused"
    out=$(PATH="$fake:$PATH" bash "$source_dir/tools/setup.sh" "$mode" 2>&1)
    status=$?
}
check() {
    if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}
installed() { grep -qxF "$1" "$fake/installed"; }

setup test wine32:i386
check "a stale index is a warning naming it" '[[ $out == *"apt-get update failed"*"unexpected size"* ]]'
check "without the 32-bit Wine the tests' set-up still succeeds" '((status == 0))'
check "the 32-bit Wine is named with apt's reason" \
    '[[ $out == *"could not install wine32:i386 (wine32): "*"held broken packages"* ]]'
check "the build's and the tests' packages go in regardless" 'installed qt6-base-dev && installed lintian'

setup test lintian
check "a test package that cannot be had fails the tests' set-up" '((status != 0))'
check "it alone is named as missing" '[[ $out == *"still missing, needed to test: lintian"* ]]'
check "the rest of its group goes in one by one" 'installed wine64 && installed xdotool'

setup build libutf8proc-dev
check "a build package that cannot be had fails the build's set-up, naming it" \
    '((status != 0)) && [[ $out == *"needed to build: libutf8proc-dev"* ]]'
check "the build's set-up asks nothing of the tests' packages" '! installed lintian'
((failures == 0))
