#!/usr/bin/env bash
# Cross-builds the Win32 programs and proves, under Wine on a virtual display,
# the chat link and the window shape against the Win32 stand-in chat client,
# then hueloom.exe itself, driven through its controls beside the stand-in.
# Usage: tools/windows_check.sh [build dir]   (default: build-windows)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath -m "${1:-build-windows}")
started=$SECONDS
passed=0
failed=0

pass() {
    passed=$((passed + 1))
    echo "ok    $1"
}

fail() {
    failed=$((failed + 1))
    echo "FAIL  $1"
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
    echo "windows check: $(((SECONDS - started))) s"
    echo "windows-check: $passed passed, $failed failed"
    ((failed == 0 && passed > 0))
    exit
}

# --- what the check needs -------------------------------------------------------
missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
    missing+=("the cross compiler x86_64-w64-mingw32-g++-posix (package g++-mingw-w64-x86-64-posix)")
for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool (packages wine and wine64)")
done
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

# --- cross build -------------------------------------------------------------------
mkdir -p "$build"
if cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        >"$build/check-build.log" 2>&1 &&
    cmake --build "$build" -j "$(nproc)" --target hueloom_chat_standin hueloom_send_lines \
        hueloom hueloom_window_driver hueloom_win32_test >>"$build/check-build.log" 2>&1; then
    pass "cross build of the stand-in, the sender, hueloom.exe and its driver ($((SECONDS - started)) s)"
else
    fail "cross build of the stand-in, the sender, hueloom.exe and its driver" \
        "$(tail -n 30 "$build/check-build.log")"
    finish
fi
standin="$build/standin/win32/hueloom_chat_standin.exe"
sender="$build/standin/win32/hueloom_send_lines.exe"
program="$build/win32/hueloom.exe"
driver="$build/standin/win32/hueloom_window_driver.exe"
unit_tests="$build/tests/win32/hueloom_win32_test.exe"

# --- a virtual display and a throwaway Wine prefix -------------------------------
scratch=$(mktemp -d)
xvfb_pid=
standin_pid=
cleanup() {
    [[ -n "$standin_pid" ]] && kill "$standin_pid" 2>/dev/null
    [[ -n "${program_pid:-}" ]] && kill "$program_pid" 2>/dev/null
    [[ -d "$scratch/prefix" ]] && WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null
    [[ -d "$scratch/prefix" ]] && WINEPREFIX="$scratch/prefix" timeout 10 wineserver -w 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
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
export DISPLAY=":$(head -n 1 "$scratch/display")" WINEPREFIX="$scratch/prefix" WINEARCH=win64
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
unset WAYLAND_DISPLAY
boot_started=$SECONDS
if timeout 120 wineboot -i >"$scratch/wineboot.log" 2>&1; then
    pass "Wine prefix created ($((SECONDS - boot_started)) s)"
else
    fail "Wine prefix created" "$(tail -n 20 "$scratch/wineboot.log")"
    finish
fi
# Where Wine lacks Arial, its metric twin draws the preview, as on the Qt side.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v Arial /d 'Liberation Sans' /f >>"$scratch/wineboot.log" 2>&1

log="$scratch/standin.log"
windows_log="Z:${log//\//\\}"
log_lines() { wc -l <"$log"; }
log_since() { tail -n "+$(($1 + 1))" "$log"; }
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
    cat <<EOF
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
EOF
}

# --- the stand-in with one chat room ---------------------------------------------
timeout 120 wine "$standin" "$windows_log" >"$scratch/standin.out" 2>&1 &
standin_pid=$!
for _ in $(seq 300); do
    grep -qx ready "$log" 2>/dev/null && break
    kill -0 "$standin_pid" 2>/dev/null || break
    sleep 0.1
done
expect "stand-in up with its window tree (classes in capitals, eight icons)" \
    "opened room1 children: room1.input room1.icon1 room1.icon2 room1.icon3 room1.static \
room1.icon4 room1.icon5 room1.icon6 room1.icon7 room1.icon8 room1.history
rooms front to back: room1
ready" "$(cat "$log" 2>/dev/null)" "$scratch/standin.out"

# --- three lines into the one room --------------------------------------------------
euro_bytes="43 61 66 e9 20 35 80"       # "Café 5€" in code page 1252
outside_bytes="3f 20 61 6e 64 20 3f"    # "中 and Ж": neither has a near letter in 1252
best_fit_bytes="61 62 63"               # "ābc": the system writes ā as its near letter a
nul_bytes="61 3f 62"                    # "a", NUL, "b": a NUL would end the string early
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

# --- a second, later chat room in front -------------------------------------------
mark=$(log_lines)
timeout 30 wine "$standin" --open-room >"$scratch/open.out" 2>&1
expect "a later chat room opens in front" "rooms front to back: room2 room1" \
    "$(log_since "$mark" | grep '^rooms')" "$scratch/open.out"
mark=$(log_lines)
send "$scratch/sender2.out" "second room"
expect "the front-most, later chat room takes the line; the first gets nothing" \
    "$(expected_send room2 "73 65 63 6f 6e 64 20 72 6f 6f 6d")" "$(log_since "$mark")"

# --- no chat client -----------------------------------------------------------------
timeout 30 wine "$standin" --quit >"$scratch/quit.out" 2>&1
wait "$standin_pid"
status=$?
standin_pid=
expect "stand-in closes" "closed, exit 0" "$(tail -n 1 "$log"), exit $status" "$scratch/quit.out"
mark=$(log_lines)
send "$scratch/sender3.out" "nobody here"
status=$?
expect "with no stand-in running the sender returns normally" "sent 1 lines, exit 0, log quiet" \
    "$(head -n 1 "$scratch/sender3.out"), exit $status, log $( (($(log_lines) == mark)) &&
        echo quiet || echo grew)" "$scratch/sender3.out"


# --- the Win32 front end's own checks ----------------------------------------------
timeout 60 wine "$unit_tests" 2>&1 | tr -d '\r' >"$scratch/unit.out"
status=${PIPESTATUS[0]}
expect "front end's scroll codes and GDI surface ($(tail -n 1 "$scratch/unit.out"))" \
    "exit 0" "exit $status$(grep '^FAIL' "$scratch/unit.out" | sed 's/^/, /')" "$scratch/unit.out"

# --- hueloom.exe beside the stand-in, driven through its controls -------------------
log="$scratch/program.log"
windows_log="Z:${log//\//\\}"
timeout 120 wine "$standin" "$windows_log" >"$scratch/standin2.out" 2>&1 &
standin_pid=$!
for _ in $(seq 300); do
    grep -qx ready "$log" 2>/dev/null && break
    sleep 0.1
done
program_started=$SECONDS
timeout 120 wine "$program" >"$scratch/program.out" 2>&1 &
program_pid=$!
timeout 120 wine "$driver" check 2>&1 | tr -d '\r' >"$scratch/driver.out"
driver_status=${PIPESTATUS[0]}
while read -r verdict what; do
    case $verdict in
        ok) pass "hueloom.exe: $what" ;;
        FAIL) fail "hueloom.exe: $what" ;;
    esac
done <"$scratch/driver.out"
expect "the driver ran to its end" "driver: 0 failed, exit 0" \
    "$(grep '^driver:' "$scratch/driver.out"), exit $driver_status" "$scratch/driver.out"
wait "$program_pid"
status=$?
program_pid=
expect "hueloom.exe ends once its window is closed" "exit 0" "exit $status" "$scratch/program.out"
# Loaded once, then each Send with 10, 5, 4 and 3 stops exactly as the fade
# engine makes it (in the code page's bytes), nothing for the over-long line,
# and Unload once: the driver lists what the chat must have got, in order.
expect "the chat got the announcements and the four Sends, each once, byte for byte" \
    "$(grep '^posted' "$scratch/driver.out")" \
    "$(grep '^posted' "$log" | sed 's/^posted room1 /posted /')"
timeout 30 wine "$standin" --quit >"$scratch/quit2.out" 2>&1
wait "$standin_pid"
standin_pid=
echo "      (hueloom.exe: $((SECONDS - program_started)) s from its start to its end)"

# --- the command-line fader ---------------------------------------------------------
fader="$build/cli/hueloom-fade.exe"
if cmake --build "$build" -j "$(nproc)" --target hueloom-fade >>"$build/check-build.log" 2>&1; then
    pass "cross build of the command-line fader"
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
else
    # Without utf8proc's source (fetched from Debian's archive) there is no target to build.
    fail "cross build of the command-line fader" \
        "$(grep -A2 'utf8proc' "$build/check-build.log"; tail -n 30 "$build/check-build.log")"
fi

finish
