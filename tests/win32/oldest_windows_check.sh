#!/usr/bin/env bash
# hueloom.exe's header names the oldest Windows it starts on (subsystem and OS
# version), every function it imports is on that Windows (tools/windows_imports.txt),
# and it needs no DLL beside it.
# Usage: oldest_windows_check.sh OBJDUMP HUELOOM.exe x64|x86 VERSION NAME
set -uo pipefail
objdump=$1 exe=$2 arch=$3 version=$4 name=$5
source "$(dirname "$0")/../../tools/windows_env.sh"

header=$("$objdump" -p "$exe" | awk '
    /^MajorOSystemVersion/ { os = $2 } /^MinorOSystemVersion/ { os = os "." $2 }
    /^MajorSubsystemVersion/ { sub_ = $2 } /^MinorSubsystemVersion/ { sub_ = sub_ "." $2 }
    /^Subsystem/ { gui = ($2 == "00000002") ? "GUI" : $2 }
    END { print "subsystem " gui " " sub_ ", OS " os }')
expect "hueloom.exe's header: $name" "subsystem GUI $version, OS $version" "$header"
count=$(windows_imports "$objdump" "$exe" | wc -l)
expect "hueloom.exe's $count imports all on $name (tools/windows_imports.txt)" "" \
    "$(windows_unlisted_imports "$objdump" "$exe" "$arch")"
expect "hueloom.exe needs no DLL beside it: only the system's" "" \
    "$(windows_imports "$objdump" "$exe" | awk '{ print $1 }' | sort -u |
        grep -vxE 'COMCTL32.DLL|GDI32.DLL|KERNEL32.DLL|MSVCRT.DLL|OLE32.DLL|OLEAUT32.DLL|SHELL32.DLL|USER32.DLL')"

check_finish "hueloom.exe on $name"
