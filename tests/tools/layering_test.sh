#!/usr/bin/env bash
# The layering check on a small tree with the house's floors: an include down
# the floors passes; one up them fails, named with its file and line.
# Usage: layering_test.sh SOURCE-ROOT
set -uo pipefail
check="$1/tools/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/cmake" "$tree/host" "$tree/inprocess"
cp "$1/cmake/floors.txt" "$tree/cmake/"
touch "$tree/host/window_system.h"
echo '#include "host/window_system.h"' >"$tree/inprocess/window.h"
bash "$check" "$tree" >/dev/null || { echo "an include down the floors is refused"; exit 1; }
echo '#include "inprocess/window.h"' >"$tree/host/window_system.h"
output=$(bash "$check" "$tree") && { echo "an include up the floors passes"; exit 1; }
wanted="host/window_system.h:1: includes inprocess/window.h, but inprocess is not below host"
grep -qxF "$wanted" <<<"$output" || { printf 'wanted: %s\ngot:\n%s\n' "$wanted" "$output"; exit 1; }
