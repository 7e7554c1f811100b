#!/usr/bin/env bash
# hueloom.exe beside the stand-in, driven by the window driver in the given
# mode: the driver's verdicts are the test's, and the chat must get exactly the
# lines the driver lists, in order. The shape mode runs at its dpi (the prefix's).
# Usage: drive_program.sh STANDIN.exe HUELOOM.exe DRIVER.exe WHAT MODE [DPI]
set -uo pipefail
standin=$1 program=$2 driver=$3 what=$4
shift 4
source "$(dirname "$0")/wine_check_lib.sh"
program_pid=
dpi=96
trap '[[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
      ((dpi != 96)) && windows_dpi 96; rm -rf "$scratch"' EXIT
if [[ $1 == shape ]]; then
    dpi=$2
    windows_dpi "$dpi"
fi
mark=$(log_lines)
program_started=$SECONDS
timeout 120 wine "$program" >"$scratch/program.out" 2>&1 &
program_pid=$!
timeout 120 wine "$driver" "$@" 2>&1 | tr -d '\r' >"$scratch/driver.out"
driver_status=${PIPESTATUS[0]}
while read -r verdict line; do
    case $verdict in
        ok) pass "$what: $line" ;;
        FAIL) fail "$what: $line" ;;
    esac
done <"$scratch/driver.out"
expect "$what: the driver ran to its end" "driver: 0 failed, exit 0" \
    "$(grep '^driver:' "$scratch/driver.out"), exit $driver_status" "$scratch/driver.out"
# A window the driver could not close is closed here, so the run goes on.
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && timeout 30 wine "$driver" close >/dev/null 2>&1
wait "$program_pid"
status=$?
program_pid=
expect "$what: ends once its window is gone" "exit 0" "exit $status" "$scratch/program.out"
expect "$what: the chat got the announcements and each Send once, byte for byte" \
    "$(grep '^posted' "$scratch/driver.out")" \
    "$(log_since "$mark" | grep '^posted' | sed 's/^posted room1 /posted /')"
echo "      ($what: $((SECONDS - program_started)) s from its start to its end)"

check_finish "$what"
