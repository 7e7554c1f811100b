#!/usr/bin/env bash
# Cross-builds the Win32 programs for x86-64 and for x86 and proves each under
# Wine on a virtual display, the x86 build in a 32-bit prefix: the chat link
# and the window shape against the Win32 stand-in chat client, then hueloom.exe
# itself, driven through its controls beside the stand-in, its session's end,
# and its window whole at 120, 144 and 192 dpi; and that hueloom.exe declares
# the oldest Windows it starts on and imports nothing that Windows lacks.
# Usage: tools/windows_check.sh [build dir]   (default: build-windows; the x86
#        build goes beside it, in the same name with -i686)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/windows_env.sh
build64=$(realpath -m "${1:-build-windows}")
build32="$build64-i686"
started=$SECONDS
passed=0
failed=0
tag=  # the architecture a line is about

pass() {
    passed=$((passed + 1))
    echo "ok    $tag$1"
}

fail() {
    failed=$((failed + 1))
    echo "FAIL  $tag$1"
    if [[ -n "${2:-}" ]]; then printf '%s\n' "$2" | sed 's/^/      /'; fi
}

# Passes when the two texts agree; otherwise shows both, and the file named
# last (a program's own output) if there is one.
expect() {
    local what=$1 wanted=$2 got=$3 output=${4:-}
    if [[ "$got" == "$wanted" ]]; then
        pass "$what"
        return
    fi
    local shown="wanted:"$'\n'"$wanted"$'\n'"got:"$'\n'"$got"
    [[ -s "$output" ]] && shown+=$'\n'"output:"$'\n'"$(tail -n 20 "$output")"
    fail "$what" "$shown"
}

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
# Builds one architecture's programs into its folder; false when the build fails.
cross_build() {
    local toolchain=$1 build=$2 built=$SECONDS
    mkdir -p "$build"
    if cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/$toolchain" \
            >"$build/check-build.log" 2>&1 &&
        cmake --build "$build" -j "$(nproc)" --target hueloom_chat_standin hueloom_send_lines \
            hueloom hueloom_window_driver hueloom_win32_test hueloom-fade \
            >>"$build/check-build.log" 2>&1; then
        pass "cross build of the stand-in, the sender, hueloom.exe, its driver and the fader ($((SECONDS - built)) s)"
        return 0
    fi
    # Without utf8proc's source (fetched from Debian's archive) the fader has no target.
    fail "cross build of the stand-in, the sender, hueloom.exe, its driver and the fader" \
        "$(grep -A2 'utf8proc' "$build/check-build.log"; tail -n 30 "$build/check-build.log")"
    return 1
}

# The header names the oldest Windows (subsystem and OS version), and every
# import is one that Windows has (tools/windows_imports.txt).
check_oldest_windows() {
    local objdump=$1 exe=$2 arch=$3 version=$4 name=$5 header
    header=$("$objdump" -p "$exe" | awk '
        /^MajorOSystemVersion/ { os = $2 } /^MinorOSystemVersion/ { os = os "." $2 }
        /^MajorSubsystemVersion/ { sub_ = $2 } /^MinorSubsystemVersion/ { sub_ = sub_ "." $2 }
        /^Subsystem/ { gui = ($2 == "00000002") ? "GUI" : $2 }
        END { print "subsystem " gui " " sub_ ", OS " os }')
    expect "hueloom.exe's header: $name" "subsystem GUI $version, OS $version" "$header"
    local unlisted count
    unlisted=$(windows_unlisted_imports "$objdump" "$exe" "$arch")
    count=$(windows_imports "$objdump" "$exe" | wc -l)
    expect "hueloom.exe's $count imports all on $name (tools/windows_imports.txt)" "" "$unlisted"
    expect "hueloom.exe needs no DLL beside it: only the system's" "" \
        "$(windows_imports "$objdump" "$exe" | awk '{ print $1 }' | sort -u |
            grep -vxE 'COMCTL32.DLL|GDI32.DLL|KERNEL32.DLL|MSVCRT.DLL|OLE32.DLL|OLEAUT32.DLL|SHELL32.DLL|USER32.DLL')"
}

tag="x86-64: "
cross_build cmake/mingw-w64-x86_64.cmake "$build64" || finish
check_oldest_windows x86_64-w64-mingw32-objdump "$build64/win32/hueloom.exe" x64 5.2 \
    "Windows XP x64 (5.2)"
tag="x86: "
cross_build cmake/mingw-w64-i686.cmake "$build32" || finish
check_oldest_windows i686-w64-mingw32-objdump "$build32/win32/hueloom.exe" x86 5.1 \
    "Windows XP (5.1)"
tag=

# --- a virtual display and throwaway Wine prefixes, one for each architecture -------------
scratch=$(mktemp -d)
xvfb_pid=
standin_pid=
program_pid=
cleanup() {
    [[ -n "$standin_pid" ]] && kill "$standin_pid" 2>/dev/null
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    for prefix in "$scratch"/prefix-*; do
        [[ -d "$prefix" ]] || continue
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null
        WINEPREFIX="$prefix" timeout 10 wineserver -w 2>/dev/null
    done
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Big enough for the window at 192 dpi (twice the 96-dpi window, at twice its place).
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$scratch/display" ]] && break
    sleep 0.1
done
if [[ ! -s "$scratch/display" ]]; then
    fail "start Xvfb" "$(cat "$scratch/xvfb.log")"
    finish
fi

# C.UTF-8 gives Wine the ANSI code page 1252. No prompts for the .NET or HTML
# engines, and no menu entries or file associations written for the user.
export DISPLAY=":$(head -n 1 "$scratch/display")"
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
unset WAYLAND_DISPLAY

# Makes an architecture's prefix; the 32-bit one boots while the 64-bit one is checked.
boot_prefix() {
    local wine_arch=$1
    WINEPREFIX="$scratch/prefix-$wine_arch" WINEARCH=$wine_arch timeout 120 wineboot -i \
        >"$scratch/wineboot-$wine_arch.log" 2>&1 &&
        WINEPREFIX="$scratch/prefix-$wine_arch" WINEARCH=$wine_arch wine reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v Arial /d 'Liberation Sans' /f >>"$scratch/wineboot-$wine_arch.log" 2>&1
}
booted=$SECONDS
if [[ -z "$skipped" ]]; then
    boot_prefix win32 &
    boot32_pid=$!
fi

# Runs the sender with the given lines; its output (the console's CR LF made LF)
# goes to the named file.
send() {
    local output=$1
    shift
    timeout 60 wine "$sender" "$@" 2>&1 | tr -d '\r' >"$output"
    return "${PIPESTATUS[0]}"
}

# The nine messages of one line and the post it causes, as the stand-in logs them.
expected_send() {
    local room=$1 bytes=$2
    cat <<EOT
message $room.input WM_SETTEXT wParam=0 text=[$bytes]
message $room.input WM_CHAR wParam=13 lParam=0
posted $room [$bytes]
message $room.icon6 WM_LBUTTONDOWN wParam=0 lParam=0
message $room.icon6 WM_KEYUP wParam=32 lParam=0
message $room.icon6 WM_CHAR wParam=13 lParam=0
message $room.input WM_CHAR wParam=13 lParam=0
message $room.icon6 WM_LBUTTONDOWN wParam=0 lParam=0
message $room.icon6 WM_KEYUP wParam=32 lParam=0
message $room.icon6 WM_CHAR wParam=13 lParam=0
EOT
}

# Starts the stand-in with its log in the named file and waits until it is up.
start_standin() {
    log=$1
    windows_log="Z:${log//\//\\}"
    rm -f "$log"
    timeout 120 wine "$standin" "$windows_log" >"$log.out" 2>&1 &
    standin_pid=$!
    for _ in $(seq 300); do
        grep -qx ready "$log" 2>/dev/null && break
        kill -0 "$standin_pid" 2>/dev/null || break
        sleep 0.1
    done
}

quit_standin() {
    timeout 30 wine "$standin" --quit >"$scratch/quit.out" 2>&1
    wait "$standin_pid"
    local status=$?
    standin_pid=
    return "$status"
}

log_lines() { wc -l <"$log"; }
log_since() { tail -n "+$(($1 + 1))" "$log"; }

# The chat link and the window shape from the sender, against the stand-in.
check_chat_link() {
    start_standin "$scratch/standin.log"
    expect "stand-in up with its window tree (classes in capitals, eight icons)" \
        "opened room1 children: room1.input room1.icon1 room1.icon2 room1.icon3 room1.static \
room1.icon4 room1.icon5 room1.icon6 room1.icon7 room1.icon8 room1.history
rooms front to back: room1
ready" "$(cat "$log" 2>/dev/null)" "$log.out"

    local euro_bytes="43 61 66 e9 20 35 80"     # "Café 5€" in code page 1252
    local outside_bytes="3f 20 61 6e 64 20 3f"  # "中 and Ж": neither has a near letter in 1252
    local best_fit_bytes="61 62 63"             # "ābc": the system writes ā as its near letter a
    local nul_bytes="61 3f 62"                  # "a", NUL, "b": a NUL would end the string early
    local mark status first routing settexts shape
    mark=$(log_lines)
    send "$scratch/sender1.out" "Café 5€" "中 and Ж" "ābc" 'a\0b'
    status=$?
    expect "sender sends four lines and returns normally" "sent 4 lines, exit 0" \
        "$(head -n 1 "$scratch/sender1.out"), exit $status" "$scratch/sender1.out"
    first=$(log_since "$mark")

    routing=$(grep '^message' <<<"$first" | sed 's/ text=\[.*\]$//' | head -n 9)
    expect "nine messages in order, to room1's first RICHCNTL and its sixth _AOL_Icon" \
        "$(expected_send room1 x | grep '^message' | sed 's/ text=\[.*\]$//')" "$routing"
    settexts=$(sed -n 's/^message room1.input WM_SETTEXT wParam=0 text=\[\(.*\)\]$/\1/p' <<<"$first")
    expect "ANSI bytes of a line with é and €" "$euro_bytes" "$(sed -n 1p <<<"$settexts")"
    expect "ANSI bytes of a line with characters outside the code page: '?'" "$outside_bytes" \
        "$(sed -n 2p <<<"$settexts")"
    expect "ANSI bytes from the system's own conversion (best fit)" "$best_fit_bytes" \
        "$(sed -n 3p <<<"$settexts")"
    expect "a NUL in the line goes out as '?', the rest of the line with it" "$nul_bytes" \
        "$(sed -n 4p <<<"$settexts")"
    expect "each line posted exactly once, right after the first carriage return" \
        "$(expected_send room1 "$euro_bytes"; expected_send room1 "$outside_bytes"
           expected_send room1 "$best_fit_bytes"; expected_send room1 "$nul_bytes")" "$first"

    shape=$(tail -n +2 "$scratch/sender1.out")
    expect "sender's window topmost (WS_EX_TOPMOST) after MakeTopmost" "topmost before=no after=yes" \
        "$(grep '^topmost' <<<"$shape")"
    expect "region excludes a notch pixel, includes pixels beside the notch, ends at the outline" \
        "region type=complex
pixel 16,293 out
pixel 16,287 in
pixel 200,293 in
pixel 590,10 out
pixel 10,380 out" "$(grep -E '^(region|pixel)' <<<"$shape")"

    # A second, later chat room in front.
    mark=$(log_lines)
    timeout 30 wine "$standin" --open-room >"$scratch/open.out" 2>&1
    expect "a later chat room opens in front" "rooms front to back: room2 room1" \
        "$(log_since "$mark" | grep '^rooms')" "$scratch/open.out"
    mark=$(log_lines)
    send "$scratch/sender2.out" "second room"
    expect "the front-most, later chat room takes the line; the first gets nothing" \
        "$(expected_send room2 "73 65 63 6f 6e 64 20 72 6f 6f 6d")" "$(log_since "$mark")"

    # No chat client.
    quit_standin
    status=$?
    expect "stand-in closes" "closed, exit 0" "$(tail -n 1 "$log"), exit $status" "$scratch/quit.out"
    mark=$(log_lines)
    send "$scratch/sender3.out" "nobody here"
    status=$?
    expect "with no stand-in running the sender returns normally" "sent 1 lines, exit 0, log quiet" \
        "$(head -n 1 "$scratch/sender3.out"), exit $status, log $( (($(log_lines) == mark)) &&
            echo quiet || echo grew)" "$scratch/sender3.out"
}

# hueloom.exe beside a fresh stand-in, driven by the driver in the given mode:
# the driver's verdicts are the check's, and the chat must get exactly the
# lines the driver lists, in order.
drive_program() {
    local what=$1
    shift
    start_standin "$scratch/program.log"
    local program_started=$SECONDS status driver_status
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
        "$(grep '^posted' "$log" | sed 's/^posted room1 /posted /')"
    quit_standin
    echo "      ($what: $((SECONDS - program_started)) s from its start to its end)"
}

# Everything under Wine, for the architecture whose programs are in the build folder.
check_under_wine() {
    local build=$1
    standin="$build/standin/win32/hueloom_chat_standin.exe"
    sender="$build/standin/win32/hueloom_send_lines.exe"
    program="$build/win32/hueloom.exe"
    driver="$build/standin/win32/hueloom_window_driver.exe"
    local unit_tests="$build/tests/win32/hueloom_win32_test.exe" status

    check_chat_link

    # The Win32 front end's own checks.
    timeout 60 wine "$unit_tests" 2>&1 | tr -d '\r' >"$scratch/unit.out"
    status=${PIPESTATUS[0]}
    expect "front end's scroll codes and GDI surface ($(tail -n 1 "$scratch/unit.out"))" \
        "exit 0" "exit $status$(grep '^FAIL' "$scratch/unit.out" | sed 's/^/, /')" "$scratch/unit.out"

    # Loaded once, then each Send with 10, 5, 4 and 3 stops exactly as the fade
    # engine makes it (in the code page's bytes), nothing for the over-long
    # line, and Unload once, as the close box closes the window.
    drive_program "hueloom.exe" check
    # Logging off: Unload once, for a session end that is not cancelled.
    drive_program "hueloom.exe at the session's end" session
    # Scaled displays (125 %, 150 %, 200 %): shaped and laid out for the dpi,
    # the whole window and every control inside the region, the close box too.
    for dpi in 120 144 192; do
        windows_dpi "$dpi"
        drive_program "hueloom.exe at $dpi dpi" shape "$dpi"
    done
    windows_dpi 96

    # The command-line fader.
    local fader="$build/cli/hueloom-fade.exe"
    expect "hueloom-fade.exe fades a line from a pipe into the markup, exit 0" \
        "<Font Color=#FF0000>h<Font Color=#640000>i, exit 0" \
        "$(echo hi | timeout 60 wine "$fader" 2>"$scratch/fader.err"), exit $?" "$scratch/fader.err"
    expect "hueloom-fade.exe reads its UTF-16 command line and keeps a surrogate pair whole" \
        "<Font Color=#808080>é<Font Color=#FFFFFF>😀" \
        "$(timeout 60 wine "$fader" -s 000000,ffffff "é😀" 2>"$scratch/fader.err")" "$scratch/fader.err"
    expect "hueloom-fade.exe gives a letter and its accent, a family and a flag one colour each" \
        "<Font Color=#555555>"$'e\xcc\x81'"<Font Color=#AAAAAA>👩‍👩‍👧<Font Color=#FFFFFF>🇫🇷" \
        "$(printf 'e\xcc\x81👩‍👩‍👧🇫🇷\n' | timeout 60 wine "$fader" -s black,white 2>"$scratch/fader.err")" \
        "$scratch/fader.err"
    expect "hueloom-fade.exe writes html with the text escaped" \
        '<span style="color:#AA0055">a</span><span style="color:#5500AA">&lt;</span><span style="color:#0000FF">b</span>' \
        "$(echo 'a<b' | timeout 60 wine "$fader" -f html -s red,blue 2>"$scratch/fader.err")" \
        "$scratch/fader.err"
    expect "hueloom-fade.exe draws 256 colours, or 24-bit where COLORTERM says truecolor" \
        $'\e[38;5;196mh\e[38;5;52mi\e[0m \e[38;2;255;0;0mh\e[38;2;100;0;0mi\e[0m' \
        "$(echo hi | env -u COLORTERM timeout 60 wine "$fader" -f ansi 2>"$scratch/fader.err") $(
            echo hi | COLORTERM=truecolor timeout 60 wine "$fader" -f ansi 2>>"$scratch/fader.err")" \
        "$scratch/fader.err"
    timeout 60 wine "$fader" -s 12345G,000000 hi >"$scratch/fader.out" 2>"$scratch/fader.err"
    expect "hueloom-fade.exe refuses a bad colour: exit 2, nothing written" \
        "exit 2, 0 bytes written" "exit $?, $(wc -c <"$scratch/fader.out") bytes written" \
        "$scratch/fader.err"
}

# --- x86-64 in a 64-bit prefix -----------------------------------------------------------
tag="x86-64: "
export WINEPREFIX="$scratch/prefix-win64" WINEARCH=win64
if boot_prefix win64; then
    pass "Wine prefix created ($((SECONDS - booted)) s)"
    part=$SECONDS
    check_under_wine "$build64"
    echo "      (x86-64 under Wine: $((SECONDS - part)) s)"
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
    part=$SECONDS
    check_under_wine "$build32"
    echo "      (x86 under Wine: $((SECONDS - part)) s)"
else
    fail "32-bit Wine prefix created" "$(tail -n 20 "$scratch/wineboot-win32.log")"
fi

finish
