#!/usr/bin/env bash
# The chat link and the window shape, from the sender against the Win32
# stand-in chat client, under Wine; last of the stand-in's tests, as it opens a
# second room and quits the stand-in.
# Usage: chat_link_check.sh STANDIN.exe SENDER.exe
set -uo pipefail
standin=$1 sender=$2
source "$(dirname "$0")/wine_check_lib.sh"

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

expect "stand-in up with its window tree (classes in capitals, eight icons)" \
    "opened room1 children: room1.input room1.icon1 room1.icon2 room1.icon3 room1.static \
room1.icon4 room1.icon5 room1.icon6 room1.icon7 room1.icon8 room1.history
rooms front to back: room1
ready" "$(head -n 3 "$log" 2>/dev/null)" "$log.out"

euro_bytes="43 61 66 e9 20 35 80"     # "Café 5€" in code page 1252
outside_bytes="3f 20 61 6e 64 20 3f"  # "中 and Ж": neither has a near letter in 1252
best_fit_bytes="61 62 63"             # "ābc": the system writes ā as its near letter a
nul_bytes="61 3f 62"                  # "a", NUL, "b": a NUL would end the string early
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
pixel inside the notch out
pixel above the notch in
pixel beside the notch in
pixel right of the outline out
pixel below the outline out" "$(grep -E '^(region|pixel)' <<<"$shape")"

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
windows_quit_standin
status=$?
expect "stand-in closes" "closed, ended" \
    "$(tail -n 1 "$log"), $( ((status == 0)) && echo ended || echo running)" "$log.quit"
mark=$(log_lines)
send "$scratch/sender3.out" "nobody here"
status=$?
expect "with no stand-in running the sender returns normally" "sent 1 lines, exit 0, log quiet" \
    "$(head -n 1 "$scratch/sender3.out"), exit $status, log $( (($(log_lines) == mark)) &&
        echo quiet || echo grew)" "$scratch/sender3.out"

check_finish "win32 chat link"
