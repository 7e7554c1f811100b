#!/usr/bin/env bash
# A configure where pkg-config finds no utf8proc must stop, naming the Debian
# package and the option that leaves the fader out, rather than build without
# hueloom-fade in silence; with that option it must configure.
# Usage: missing_utf8proc_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

PKG_CONFIG_LIBDIR=/nonexistent cmake -S "$source_dir" -B "$scratch/without" -G Ninja \
    >"$scratch/without.log" 2>&1
status=$?
message=$(tr -s ' \n' ' ' <"$scratch/without.log")
failures=0
check() {
    if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}
check "configure fails without utf8proc" '((status != 0))'
check "the error names libutf8proc-dev" '[[ $message == *libutf8proc-dev* ]]'
check "the error names -DHUELOOM_FADER=OFF" '[[ $message == *-DHUELOOM_FADER=OFF* ]]'
PKG_CONFIG_LIBDIR=/nonexistent cmake -S "$source_dir" -B "$scratch/off" -G Ninja \
    -DHUELOOM_FADER=OFF >"$scratch/off.log" 2>&1
status=$?
check "with -DHUELOOM_FADER=OFF it configures" '((status == 0))'
((failures == 0)) || { tail -n 20 "$scratch/without.log" "$scratch/off.log"; exit 1; }
