#!/usr/bin/env bash
# The Linux program with the chat client under Wine, one part a test, on this
# Windows build's virtual display and booted prefix (tests/win32/wine_fixture.sh).
# Beside the Win32 stand-in chat client the program opens no stand-in room and
# sends its announcements and a typed line over ten stops byte for byte as
# hueloom.exe does there (the reference part), and ends when its window is
# closed; a bridge killed between Sends is replaced at the next one. Chat
# clients that are slow or quit midway: wine_chat_misbehaving.sh. With no chat
# client, no wineserver or no prefix, the stand-in room opens, no prefix is made
# or booted and no bridge is left.
# Usage: wine_chat_check.sh NATIVE-BUILD BRIDGE.exe STANDIN.exe HUELOOM.exe DRIVER.exe PART
#   PART: program (builds hueloom in NATIVE-BUILD, configured if need be),
#   reference, beside, slow, quits, alone or no-prefix
set -uo pipefail
native=$1 bridge=$2 standin=$3 exe=$4 driver=$5 part=$6
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../win32/wine_check_lib.sh"
source "$here/wine_chat_misbehaving.sh"
started=$SECONDS
standin_pid= program_pid= server_pid=

if [[ $part == program ]]; then
    [[ -f "$native/CMakeCache.txt" ]] || cmake -S "$here/../.." -B "$native" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$scratch/build.log" 2>&1
    if cmake --build "$native" --target hueloom >>"$scratch/build.log" 2>&1; then
        pass "build of the Linux program in $native"
    else
        fail "build of the Linux program in $native" "$(tail -n 30 "$scratch/build.log")"
    fi
    check_finish "wine chat, $part"
fi

# The line typed into the window: é and € have their own bytes in code page 1252.
line="Café 5€ over ten stops"
caption=$(sed -n 's/^#define HUELOOM_FORM_CAPTION "\(.*\)"$/\1/p' "$here/../../app/form_identity.h")
# What hueloom.exe sent (the reference part), for the program's lines to match.
reference="$fixtures/wine-chat-reference.txt"
# The bridge is run from a copy of this test's own, so that its processes are told apart.
mkdir -p "$scratch/bridge" && cp "$bridge" "$scratch/bridge/"
export HUELOOM_WINE_BRIDGE="$scratch/bridge/${bridge##*/}"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# Nothing this test started outlives it.
wine_chat_cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    [[ -n "$server_pid" ]] && kill "$server_pid" 2>/dev/null
    [[ -n "$standin_pid" ]] && { windows_quit_standin || kill "$standin_pid"; } 2>/dev/null
    local left
    left=$(bridges)
    [[ -n "$left" ]] && kill -9 $left
    rm -rf "$scratch"
}
trap wine_chat_cleanup EXIT

# é and € on keys of their own before the program starts, so that xdotool
# never remaps a key while the program is reading it (which can lose the character).
cat >"$scratch/keys.py" <<'EOF'
import ctypes
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                     ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
display = x.XOpenDisplay(None)
x.XChangeKeyboardMapping(display, 248, 1, (ctypes.c_ulong * 2)(0x00E9, 0x20AC), 2)  # é, €
x.XSync(display, 0)
EOF
python3 "$scratch/keys.py"

# Closes a window as a window manager's close box does (WM_DELETE_WINDOW):
# the bare virtual display has no window manager to ask.
cat >"$scratch/close.py" <<'EOF'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
display = x.XOpenDisplay(None)
event = ClientMessage(type=33, window=int(sys.argv[1]), format=32,
                      message_type=x.XInternAtom(display, b"WM_PROTOCOLS", 0))
event.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, event.window, 0, 0, ctypes.byref(event))
x.XFlush(display)
EOF

# Whether a process holds the lock file (as a running wineserver holds its own).
cat >"$scratch/lock_held.py" <<'EOF'
import fcntl, struct, sys
try:
    lock = open(sys.argv[1], "rb")
except OSError:
    print("free"); sys.exit()
query = struct.pack("hhqqi4x", fcntl.F_WRLCK, 0, 0, 0, 0)
print("free" if struct.unpack("hhqqi4x", fcntl.fcntl(lock, fcntl.F_GETLK, query))[0] == fcntl.F_UNLCK else "held")
EOF

# The lock of the prefix's wineserver, where this Wine keeps it.
server_lock() {
    local prefix=$1 name
    name="server-$(printf '%x-%x' $(stat -c '%d %i' "$prefix"))"
    if [[ -d "/run/user/$(id -u)" && -O "/run/user/$(id -u)" ]]; then
        echo "/run/user/$(id -u)/wine/$name/lock"
    else
        echo "${TMPDIR:-/tmp}/$(cat "$prefix/wineserver" 2>/dev/null)/$name/lock"
    fi
}
server_state() { python3 "$scratch/lock_held.py" "$(server_lock "$1")"; }

# Searched again until the time is up rather than by one --sync search: xdotool
# dies of BadWindow when any window (Wine makes and drops hidden ones) goes while
# it looks, and the search would end early with nothing found.
visible_window() {  # name, seconds to wait: the window's id, or nothing
    local until=$((SECONDS + $2)) id
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [[ -n "$id" || $SECONDS -ge $until ]] && break
        sleep 0.1
    done
    echo "$id"
}
close_window() { python3 "$scratch/close.py" "$1"; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Bridge processes started from this check's copies of the bridge.
bridges() { pgrep -f "$scratch/bridge" | tr '\n' ' ' | sed 's/ $//'; }

# The lines posted, in the code page's bytes made readable: their text without tags.
posted_texts() {
    sed -n 's/^posted [^ ]* \[\(.*\)\]$/\1/p' | while read -r hex; do
        python3 -c 'import sys; print(bytes.fromhex(sys.argv[1]).decode("cp1252", "replace"))' \
            "$hex" | sed 's/<[^>]*>//g'
    done
}
chat_lines() { grep -E '^(message|posted)' "$log"; }
posted_count() { grep -c '^posted' "$log" 2>/dev/null; }
wait_posted() {  # count, seconds
    for _ in $(seq $(($2 * 10))); do
        (($(posted_count) >= $1)) && return 0
        sleep 0.1
    done
    return 1
}

start_program() {
    timeout 300 "$native/programs/hueloom" >"$scratch/program.out" 2>&1 &
    program_pid=$!
}

# Waits (bounded) for the program to end; sets ended to its exit status, or "running".
program_end() {
    for _ in $(seq 150); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid"
        wait "$program_pid" 2>/dev/null
        ended=running
    else
        wait "$program_pid"
        ended="exit $?"
    fi
    program_pid=
}

# hueloom.exe in the prefix, driven to send the line once: what the chat must get.
reference_run() {
    windows_standin "$scratch/reference.log" 300 || { fail "stand-in chat client starts" "$(cat "$log.out")"; return 1; }
    timeout 120 wine "$exe" >"$scratch/hueloom-exe.out" 2>&1 &
    local exe_pid=$!
    timeout 120 wine "$driver" send "$line" 2>&1 |
        tr -d '\r' >"$scratch/driver.out"
    wait "$exe_pid"
    windows_quit_standin
    chat_lines >"$reference"
    expect "hueloom.exe in the prefix: the announcements and the line, three posts" 3 \
        "$(grep -c '^posted' "$reference")" "$scratch/driver.out"
}

# The Linux program beside the chat client: the lines, the killed bridge, the end.
program_beside_chat_client() {
    [[ -s "$reference" ]] || { fail "hueloom.exe's lines to compare with (the reference part)"; return; }
    windows_standin "$scratch/chat.log" 300 || { fail "stand-in chat client starts" "$(cat "$log.out")"; return; }
    start_program
    local form
    form=$(visible_window "$caption" 30)
    if [[ -z "$form" ]]; then
        fail "the program's window opens" "$(cat "$scratch/program.out")"
        return
    fi
    wait_posted 1 15
    expect "the start announcement goes to the chat client under Wine" 1 "$(posted_count)" \
        "$scratch/program.out"
    expect "no stand-in room opens" "" "$(visible_window "Stand-in chat room" 2)"
    form=$(visible_window "$caption" 5)  # in the topmost band now, maybe made anew

    type_and_send "$form"
    wait_posted 2 15
    expect "a typed line over ten stops reaches the chat client" 2 "$(posted_count)"

    # The bridge killed between Sends: reaped at once, so that the next Send
    # starts a new one and goes through at the first try.
    local killed
    killed=$(bridges)
    [[ -n "$killed" ]] && kill -9 $killed
    local before=$SECONDS
    sleep 1
    click_at "$form" 28 208
    wait_posted 3 15
    expect "with its bridge killed between Sends, the next Send goes at the first try" 3 \
        "$(posted_count)"
    expect "with its bridge killed between Sends, the strip tells of no failure" clear \
        "$(strip_state "$form")"
    echo "      (from the killed bridge to the line sent again: $((SECONDS - before)) s, 1 of them waited)"

    close_window "$(visible_window "$caption" 5)"
    program_end
    expect "the program ends once its window is closed" "exit 0" "$ended" \
        "$scratch/program.out"
    expect "it announced its close" 4 "$(posted_count)"
    local ref_loaded ref_line ref_unload
    ref_loaded=$(sed -n 1,10p "$reference")
    ref_line=$(sed -n 11,20p "$reference")
    ref_unload=$(sed -n 21,30p "$reference")
    local wanted="$ref_loaded"$'\n'"$ref_line"$'\n'"$ref_line"$'\n'"$ref_unload" got
    got=$(chat_lines)
    if [[ "$got" == "$wanted" ]]; then
        pass "every message in order and every line byte for byte as hueloom.exe sends them"
    else
        fail "every message in order and every line byte for byte as hueloom.exe sends them" \
            "wanted these lines posted:"$'\n'"$(posted_texts <<<"$wanted")"$'\n'"got:"$'\n'"$(posted_texts <<<"$got")"$'\n'"and $(grep -c . <<<"$got") messages and posts for $(grep -c . <<<"$wanted")"
    fi
    sleep 1
    expect "no bridge is left" "" "$(bridges)"
    windows_quit_standin
}

# The stand-in room where no chat client is, and nothing made or left in the prefix.
standin_room_opens() {
    local what=$1 prefix=$2
    start_program
    local form room
    form=$(visible_window "$caption" 30)
    room=$(visible_window "Stand-in chat room" 10)
    expect "$what: the stand-in room opens beside the window" "yes yes" \
        "$([[ -n "$form" ]] && echo yes) $([[ -n "$room" ]] && echo yes)" "$scratch/program.out"
    # Found again: a window may have been made anew when it went into the topmost band.
    sleep 1
    form=$(visible_window "$caption" 5)
    [[ -n "$form" ]] && close_window "$form"
    sleep 1
    room=$(visible_window "Stand-in chat room" 5)
    [[ -n "$room" ]] && close_window "$room"
    program_end
    expect "$what: the program ends once both are closed" "exit 0" "$ended" \
        "$scratch/program.out"
    expect "$what: no bridge is left" "" "$(bridges)"
}

# No chat client, and no wineserver: nothing runs Wine, nothing starts a server.
# Then a wineserver but no chat client: the bridge looks, then ends with the program.
no_chat_client() {
    local prefix=$WINEPREFIX
    timeout 30 wineserver -w
    standin_room_opens "no chat client, no wineserver" "$prefix"
    expect "no chat client, no wineserver: none was started" free "$(server_state "$prefix")"

    wineserver -p >/dev/null 2>&1 &
    server_pid=$!
    for _ in $(seq 50); do
        [[ $(server_state "$prefix") == held ]] && break
        sleep 0.1
    done
    standin_room_opens "a wineserver but no chat client" "$prefix"
    wineserver -k
    wait "$server_pid" 2>/dev/null
    server_pid=
}

# No prefix at all: the one named, or none named and no ~/.wine. None is made.
no_prefix() {
    export WINEPREFIX="$scratch/no-such-prefix"
    standin_room_opens "no such prefix" "$WINEPREFIX"
    expect "no such prefix: none is made" "absent" "$([[ -e "$WINEPREFIX" ]] && echo made || echo absent)"
    unset WINEPREFIX
    mkdir -p "$scratch/home"
    export HOME="$scratch/home"
    standin_room_opens "no WINEPREFIX and no ~/.wine" ""
    expect "no WINEPREFIX and no ~/.wine: none is made" "absent" \
        "$([[ -e "$scratch/home/.wine" ]] && echo made || echo absent)"
}

case $part in
    reference) rm -f "$reference" && reference_run ;;
    beside) program_beside_chat_client ;;
    slow) slow_chat_client ;;
    quits) chat_client_quits "$WINEPREFIX" ;;
    alone) no_chat_client ;;
    no-prefix) no_prefix ;;
    *) echo "wine_chat_check: no part '$part'" >&2 && exit 2 ;;
esac
check_finish "wine chat, $part"
