#!/usr/bin/env bash
# Cross-builds the Win32 programs for x86-64 and x86, checks that hueloom.exe
# declares the oldest Windows it starts on and imports nothing Windows lacks,
# then runs each build's tests (tests/win32, by ctest) under Wine on a virtual
# display, the x86 build in a 32-bit prefix, and reports their every verdict.
# Usage: tools/windows_check.sh [build dir]   (default: build-windows; the x86
#        build goes beside it, in the same name with -i686)
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/windows_env.sh
build64=$(realpath -m "${1:-build-windows}")
build32="$build64-i686"
started=$SECONDS
tag=  # the architecture a line is about

finish() {
    tag=
    echo "windows check: $(((SECONDS - started))) s"
    if [[ -n "$skipped" ]]; then
        echo "windows-check: $passed passed, $failed failed, 1 skipped"
        echo "windows check: skipped $skipped"
        mkdir -p "$build64" && echo "$skipped" >"$build64/skipped.txt"
    else
        echo "windows-check: $passed passed, $failed failed"
        rm -f "$build64/skipped.txt"
    fi
    ((failed == 0 && passed > 0))
    exit
}

# --- what the check needs -------------------------------------------------------
missing=()
for compiler in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix; do
    command -v "$compiler" >/dev/null ||
        missing+=("the cross compiler $compiler (packages g++-mingw-w64-x86-64-posix, g++-mingw-w64-i686-posix)")
done
for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool (packages wine and wine64)")
done
# The 32-bit Wine is the one thing the check can do without: the x86 build is
# still made and its header and imports checked, only its run under Wine waits.
skipped=
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" ||
    skipped="the x86 build's run under Wine in a 32-bit prefix: the 32-bit Wine (package wine32:i386) is not installed; tools/setup.sh test says why it could not be"
command -v Xvfb >/dev/null || missing+=("Xvfb (package xvfb)")
command -v cmake >/dev/null || missing+=("cmake (package cmake)")
command -v ninja >/dev/null || missing+=("ninja (package ninja-build)")
if ((${#missing[@]})); then
    for item in "${missing[@]}"; do
        fail "cannot run the Windows check: $item is not installed (bash tools/setup.sh test)"
    done
    echo "windows check: NOT RUN, so it fails"
    finish
fi
# --- cross builds, and what hueloom.exe asks of Windows -------------------------------
# Builds one architecture's programs and tests into its folder; false when the build fails.
cross_build() {
    local arch=$1 build=$2 built=$SECONDS
    mkdir -p "$build"
    if HUELOOM_WINDOWS_ARCH=$arch HUELOOM_WINDOWS_BUILD=$build windows_build \
            hueloom_chat_standin hueloom_send_lines hueloom hueloom_window_driver \
            hueloom_win32_test hueloom-fade >"$build/check-build.log" 2>&1; then
        pass "cross build of the stand-in, the sender, hueloom.exe, its driver and the fader ($((SECONDS - built)) s)"
        return 0
    fi
    fail "cross build of the stand-in, the sender, hueloom.exe, its driver and the fader" \
        "$(grep -A2 'utf8proc' "$build/check-build.log"; tail -n 30 "$build/check-build.log")"
    return 1
}

# The header names the oldest Windows (subsystem and OS version), and every
# import is one that Windows has (tools/windows_imports.txt).
check_oldest_windows() {
    local objdump=$1 exe=$2 arch=$3 version=$4 name=$5 header unlisted count
    header=$("$objdump" -p "$exe" | awk '
        /^MajorOSystemVersion/ { os = $2 } /^MinorOSystemVersion/ { os = os "." $2 }
        /^MajorSubsystemVersion/ { sub_ = $2 } /^MinorSubsystemVersion/ { sub_ = sub_ "." $2 }
        /^Subsystem/ { gui = ($2 == "00000002") ? "GUI" : $2 }
        END { print "subsystem " gui " " sub_ ", OS " os }')
    expect "hueloom.exe's header: $name" "subsystem GUI $version, OS $version" "$header"
    unlisted=$(windows_unlisted_imports "$objdump" "$exe" "$arch")
    count=$(windows_imports "$objdump" "$exe" | wc -l)
    expect "hueloom.exe's $count imports all on $name (tools/windows_imports.txt)" "" "$unlisted"
    expect "hueloom.exe needs no DLL beside it: only the system's" "" \
        "$(windows_imports "$objdump" "$exe" | awk '{ print $1 }' | sort -u |
            grep -vxE 'COMCTL32.DLL|GDI32.DLL|KERNEL32.DLL|MSVCRT.DLL|OLE32.DLL|OLEAUT32.DLL|SHELL32.DLL|USER32.DLL')"
}

tag="x86-64: "
cross_build x86-64 "$build64" || finish
check_oldest_windows x86_64-w64-mingw32-objdump "$build64/win32/hueloom.exe" x64 5.2 \
    "Windows XP x64 (5.2)"
tag="x86: "
cross_build x86 "$build32" || finish
check_oldest_windows i686-w64-mingw32-objdump "$build32/win32/hueloom.exe" x86 5.1 \
    "Windows XP (5.1)"
tag=
# --- a virtual display and throwaway Wine prefixes, one for each architecture -------------
# Big enough for the window at 192 dpi (twice the 96-dpi window, at twice its place).
windows_display 1600x1200 || finish

# Boots an architecture's prefix; the 32-bit one boots while the 64-bit one is checked.
boot_prefix() {
    WINEPREFIX="$scratch/prefix-$1" WINEARCH=$1 timeout 120 \
        bash -c 'source tools/windows_env.sh && windows_boot' >"$scratch/wineboot-$1.log" 2>&1
}
booted=$SECONDS
if [[ -z "$skipped" ]]; then
    boot_prefix win32 &
    boot32_pid=$!
fi

# What a Windows test is about, where it reports no verdicts of its own.
declare -A about=([win32_front_end]="front end's scroll codes and GDI surface")
# Runs a build folder's Windows tests and reports their verdicts: each test's
# own "ok"/"FAIL" lines, else one for the test from what ctest says of it.
run_tests() {
    local build=$1 what=$2 part=$SECONDS line number text name result
    local -A last=() judged=() refused=()
    ctest --test-dir "$build" -V >"$scratch/ctest.log" 2>&1
    while IFS= read -r line; do
        if [[ $line =~ ^([0-9]+):\  ]]; then  # not the whole line: it may hold any bytes
            number=${BASH_REMATCH[1]} text=${line#*: }
            last[$number]=$text
            case $text in
                "ok    "*) judged[$number]=1 && pass "${text#ok    }" ;;
                "FAIL  "*) judged[$number]=1 refused[$number]=1 && fail "${text#FAIL  }" ;;
                "      "*) echo "$text" ;;
            esac
        elif [[ $line =~ Test\ +\#([0-9]+):\ ([^ ]+)\ .*(Passed|\*\*\*[A-Za-z]+) ]]; then
            number=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]} result=${BASH_REMATCH[3]}
            if [[ -z "${judged[$number]:-}" && $result == Passed ]]; then
                pass "${about[$name]:-$name} (${last[$number]:-})"
            elif [[ $result != Passed && -z "${refused[$number]:-}" ]]; then
                fail "${about[$name]:-$name}: ${result#\*\*\*}" \
                    "$(sed -n "s/^$number: //p" "$scratch/ctest.log" | tail -n 20)"
            fi
        fi
    done <"$scratch/ctest.log"
    grep -q 'tests passed' "$scratch/ctest.log" ||
        fail "ctest ran the Windows tests" "$(tail -n 20 "$scratch/ctest.log")"
    echo "      ($what under Wine: $((SECONDS - part)) s)"
}

# --- x86-64 in a 64-bit prefix -----------------------------------------------------------
tag="x86-64: "
export WINEPREFIX="$scratch/prefix-win64" WINEARCH=win64
if boot_prefix win64; then
    pass "Wine prefix created ($((SECONDS - booted)) s)"
    run_tests "$build64" x86-64
else
    fail "Wine prefix created" "$(tail -n 20 "$scratch/wineboot-win64.log")"
fi
wineserver -k 2>/dev/null

# --- x86 in a 32-bit prefix, as on 32-bit Windows -----------------------------------------
tag="x86: "
export WINEPREFIX="$scratch/prefix-win32" WINEARCH=win32
if [[ -n "$skipped" ]]; then
    echo "skip  x86: the run under Wine in a 32-bit prefix (the 32-bit Wine is not installed)"
elif wait "$boot32_pid"; then
    pass "32-bit Wine prefix created (ready $((SECONDS - booted)) s after the start of both)"
    run_tests "$build32" x86
else
    fail "32-bit Wine prefix created" "$(tail -n 20 "$scratch/wineboot-win32.log")"
fi

finish
