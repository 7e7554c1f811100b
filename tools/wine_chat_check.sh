#!/usr/bin/env bash
# Proves the Linux program with the chat client under Wine, on a virtual
# display in throwaway prefixes. With the Win32 stand-in chat client running in
# the prefix, the program opens no stand-in room, announces itself, sends a
# typed line over ten stops and announces its close, each line byte for byte
# what hueloom.exe sends in that prefix, and ends when its window is closed;
# a bridge killed between Sends is replaced at the next one, which goes.
# Chat clients that are slow or quit midway: tools/wine_chat_misbehaving.sh.
# With no chat client, no wineserver or no prefix at all, the stand-in room
# opens, no prefix is made or booted and no bridge is left. Then it measures
# one bridged call and one whole line. The 32-bit part (the x86 bridge in a
# 32-bit prefix) runs where the 32-bit Wine is installed.
# Usage: tools/wine_chat_check.sh [native build dir] [Windows build dir]
#        (defaults: build and build-windows; the x86 build beside it, with -i686)
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/windows_env.sh
native=$(realpath -m "${1:-build}")
build64=$(realpath -m "${2:-build-windows}")
build32="$build64-i686"
started=$SECONDS
# The line typed into the window: é and € have their own bytes in code page 1252.
line="Café 5€ over ten stops"
caption=$(sed -n 's/^#define HUELOOM_FORM_CAPTION "\(.*\)"$/\1/p' app/form_identity.h)
finish() { check_finish "wine chat check"; }

# --- what the check needs -------------------------------------------------------
missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
    missing+=("the cross compiler x86_64-w64-mingw32-g++-posix (package g++-mingw-w64-x86-64-posix)")
for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool (packages wine and wine64)")
done
for tool in Xvfb xdotool import python3 cmake ninja; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
    for item in "${missing[@]}"; do
        fail "cannot run the Wine chat check: $item is not installed (bash tools/setup.sh test)"
    done
    finish
fi
with32=yes
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" || with32=
command -v i686-w64-mingw32-g++-posix >/dev/null || with32=

# --- builds: the bridge and the Win32 programs, and the Linux program ---------------
# Builds one architecture's programs into its folder, as every Windows script
# does (windows_build); false when the build fails.
cross_build() {
    local arch=$1 dir=$2 built=$SECONDS
    mkdir -p "$dir"
    if (HUELOOM_WINDOWS_ARCH=$arch HUELOOM_WINDOWS_BUILD=$dir windows_build hueloom-wine-bridge \
            hueloom_chat_standin hueloom hueloom_window_driver) >"$dir/wine-chat-build.log" 2>&1; then
        pass "cross build of the bridge, the stand-in chat client, hueloom.exe and its driver ($((SECONDS - built)) s)"
        return 0
    fi
    fail "cross build of the bridge and the Win32 programs" "$(tail -n 30 "$dir/wine-chat-build.log")"
    return 1
}

tag="x86-64: "
cross_build x86-64 "$build64" || finish
if [[ -n "$with32" ]]; then
    tag="x86: "
    cross_build x86 "$build32" || with32=
fi
tag=
mkdir -p "$native"
[[ -f "$native/CMakeCache.txt" ]] ||
    cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$native/wine-chat-build.log" 2>&1
native_targets=(hueloom)
cmake --build "$native" --target help 2>/dev/null | grep -q '^bridge_bench:' && native_targets+=(bridge_bench)
if cmake --build "$native" -j "$(nproc)" --target "${native_targets[@]}" \
        >>"$native/wine-chat-build.log" 2>&1; then
    pass "build of the Linux program"
else
    fail "build of the Linux program" "$(tail -n 30 "$native/wine-chat-build.log")"
    finish
fi

# --- a virtual display, throwaway prefixes, and the tools to drive them ---------------
standin_pid= program_pid= server_pid=
windows_display 1280x1024 || finish
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY HUELOOM_WINE_BRIDGE

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

visible_window() {  # name, seconds to wait: the window's id, or nothing
    timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
close_window() { python3 "$scratch/close.py" "$1"; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Bridge processes started from this check's copies of the bridge.
bridges() { pgrep -f "$scratch/bridge" | tr '\n' ' ' | sed 's/ $//'; }

boot_prefix() {
    local prefix=$1 wine_arch=$2
    WINEPREFIX="$prefix" WINEARCH=$wine_arch timeout 180 wineboot -i >"$prefix.boot.log" 2>&1 &&
        WINEPREFIX="$prefix" timeout 60 wineserver -w
}

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

# The chat clients that misbehave: slow over a post, or quitting midway.
source tools/wine_chat_misbehaving.sh

# --- the chat client under Wine ---------------------------------------------------------
# hueloom.exe in the prefix, driven to send the line once: what the chat must get.
reference_run() {
    windows_standin "$scratch/reference.log" 300 || { fail "stand-in chat client starts" "$(cat "$log.out")"; return 1; }
    timeout 120 wine "$build/win32/hueloom.exe" >"$scratch/hueloom-exe.out" 2>&1 &
    local exe_pid=$!
    timeout 120 wine "$build/tests/win32/hueloom_window_driver.exe" send "$line" 2>&1 |
        tr -d '\r' >"$scratch/driver.out"
    wait "$exe_pid"
    windows_quit_standin
    reference=$(chat_lines)
    expect "hueloom.exe in the prefix: the announcements and the line, three posts" 3 \
        "$(grep -c '^posted' <<<"$reference")" "$scratch/driver.out"
}

# The Linux program beside the chat client: the lines, the killed bridge, the end.
program_beside_chat_client() {
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

    click_at "$form" 200 145  # Text1
    xdotool type --delay 20 "$line"
    click_at "$form" 28 208  # Command1, "Send"
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
    ref_loaded=$(sed -n 1,10p <<<"$reference")
    ref_line=$(sed -n 11,20p <<<"$reference")
    ref_unload=$(sed -n 21,30p <<<"$reference")
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

measure() {
    [[ -x "$native/bench/winelink/bridge_bench" ]] || return
    windows_standin "$scratch/bench.log" 300 || return
    echo "      measured (bridge_bench beside the stand-in chat client):"
    timeout 120 "$native/bench/winelink/bridge_bench" --benchmark_min_time=0.5 2>/dev/null |
        grep -E '^(BridgedCall|WholeLine)' | sed 's/^/        /'
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

chat_under_wine() {  # architecture, Wine architecture, build
    local arch=$1 wine_arch=$2
    build=$3
    standin="$build/standin/win32/hueloom_chat_standin.exe"
    local prefix="$scratch/prefix-$wine_arch" booted=$SECONDS
    mkdir -p "$scratch/bridge-$wine_arch"
    cp "$build/winelink/hueloom-wine-bridge.exe" "$scratch/bridge-$wine_arch/"
    export HUELOOM_WINE_BRIDGE="$scratch/bridge-$wine_arch/hueloom-wine-bridge.exe"
    export WINEPREFIX=$prefix WINEARCH=$wine_arch
    if ! boot_prefix "$prefix" "$wine_arch"; then
        fail "Wine prefix created" "$(tail -n 20 "$prefix.boot.log")"
        return
    fi
    pass "Wine prefix created ($((SECONDS - booted)) s)"
    reference_run || return
    program_beside_chat_client
    slow_chat_client
    chat_client_quits "$prefix"
    [[ "$arch" == x86-64 ]] && measure

    # No chat client, and no wineserver: nothing runs Wine, nothing starts a server.
    timeout 30 wineserver -w
    standin_room_opens "no chat client, no wineserver" "$prefix"
    expect "no chat client, no wineserver: none was started" free "$(server_state "$prefix")"

    # A wineserver but no chat client: the bridge looks, then ends with the program.
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
    unset WINEARCH
}

tag="x86-64: "
chat_under_wine x86-64 win64 "$build64"
tag="x86: "
if [[ -n "$with32" ]]; then
    chat_under_wine x86 win32 "$build32"
else
    echo "skip  x86: the 32-bit Wine (wine32:i386) or the x86 cross compiler is not installed;" \
        "the 32-bit bridge is not run"
fi

# --- no prefix at all -------------------------------------------------------------------
tag=
export WINEPREFIX="$scratch/no-such-prefix"
standin_room_opens "no such prefix" "$WINEPREFIX"
expect "no such prefix: none is made" "absent" "$([[ -e "$WINEPREFIX" ]] && echo made || echo absent)"
unset WINEPREFIX
mkdir -p "$scratch/home"
own_home=$HOME
export HOME="$scratch/home"
standin_room_opens "no WINEPREFIX and no ~/.wine" ""
export HOME=$own_home
expect "no WINEPREFIX and no ~/.wine: none is made" "absent" \
    "$([[ -e "$scratch/home/.wine" ]] && echo made || echo absent)"

finish
