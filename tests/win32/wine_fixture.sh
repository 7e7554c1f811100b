#!/usr/bin/env bash
# The fixtures the Windows tests share, set up and cleaned up by ctest:
#   wine_fixture.sh display up|down                a virtual display
#   wine_fixture.sh prefix up|down                 a throwaway prefix, booted
#   wine_fixture.sh standin up|down STANDIN.exe    the Win32 stand-in chat client
#   wine_fixture.sh run PROGRAM.exe [ARG...]       a Windows program on that display
# Each is bounded in time, so none outlives a run that never cleans up.
set -uo pipefail
source "$(dirname "$0")/wine_check_lib.sh"
mkdir -p "$fixtures"
what="$1 ${2:-}"
standin=${3:-}

case $what in
    "display up")  # room for the window at 192 dpi
        windows_xvfb 1600x1200 "$fixtures" 3600 && echo "$xvfb_pid" >"$fixtures/xvfb.pid" ;;
    "display down") kill "$(cat "$fixtures/xvfb.pid")" 2>/dev/null; true ;;
    "prefix up")  # ctest bounds the boot's time
        rm -rf "$fixtures/prefix"
        if ! windows_boot >"$fixtures/wineboot.log" 2>&1; then
            tail -n 20 "$fixtures/wineboot.log"
            exit 1
        fi ;;
    "prefix down")
        wineserver -k 2>/dev/null
        timeout 10 wineserver -w 2>/dev/null
        rm -rf "$fixtures/prefix" ;;
    "standin up")
        if ! windows_standin "$log" 3600; then
            cat "$log.out"
            exit 1
        fi
        echo "$standin_pid" >"$fixtures/standin.pid" ;;
    "standin down") windows_quit_standin || kill "$standin_pid"; true ;;
    "run "*) shift && exec wine "$@" ;;
    *) echo "usage: wine_fixture.sh display|prefix|standin up|down [STANDIN.exe]" \
            "| run PROGRAM.exe [ARG...]" >&2
       exit 2 ;;
esac
