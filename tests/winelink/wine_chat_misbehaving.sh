# Sourced by wine_chat_check.sh: the Linux program beside chat clients
# under Wine that misbehave as real ones do. One takes 5 s over each post: it
# is waited for, one press posts the line once, and the strip tells of no
# failure. One quits while the program runs: the bridge and Wine's server end
# by themselves, Send says "Not sent" and keeps the line without running Wine,
# and the chat client started again gets the line at the next Send.

# What the preview strip shows: "stopped" where it tells why Send stopped (its
# dark red, #A00000), else "clear". The strip lies at (0, 160), 401 by 33.
strip_state() {
    import -window "$1" -crop 401x33+0+160 -depth 8 rgb:- 2>/dev/null | python3 -c '
import sys
data = sys.stdin.buffer.read()
red = sum(1 for k in range(0, len(data) - 2, 3) if data[k:k + 3] == b"\xa0\x00\x00")
print("stopped" if red >= 10 else "clear")'
}

# Types the line into the window's text box and presses Send.
type_and_send() {
    click_at "$1" 200 145  # Text1
    xdotool type --delay 20 "$line"
    click_at "$1" 28 208  # Command1, "Send"
}

# A stand-in chat client started (its log, then its arguments) and the program
# beside it, up to its start announcement; the window's id in the caller's form.
program_beside_misbehaving() {  # what, log, stand-in arguments...
    local what=$1
    shift
    windows_standin "$@" || { fail "$what: the stand-in starts" "$(cat "$log.out")"; return 1; }
    start_program
    form=$(visible_window "$caption" 30)
    wait_posted 1 20
    expect "$what: the start announcement is posted once" 1 "$(posted_count)" \
        "$scratch/program.out"
}

# A chat client that takes 5 s over each post: waited for, so that one press
# posts the line once and the strip tells of no failure.
slow_chat_client() {
    local form
    program_beside_misbehaving "slow chat client" "$scratch/slow.log" 300 5000 || return
    form=$(visible_window "$caption" 5)
    local pressed=$SECONDS
    type_and_send "$form"
    wait_posted 2 20
    local took=$((SECONDS - pressed))
    sleep 6  # a second post of the line would come by now
    expect "slow chat client: one press of Send posts the line exactly once" 2 "$(posted_count)"
    expect "slow chat client: the strip does not say \"Not sent\"" clear "$(strip_state "$form")"
    echo "      (from the press to the post: $took s)"
    close_window "$(visible_window "$caption" 5)"
    program_end
    expect "slow chat client: the program ends once its window is closed" "exit 0" "$ended" \
        "$scratch/program.out"
    windows_quit_standin
}

# The chat client quits while the program runs: the bridge and Wine's server
# end by themselves, Send says "Not sent" and keeps the line without running
# Wine, and the chat client started again gets the line at the next Send.
chat_client_quits() {
    local prefix=$1
    local form
    program_beside_misbehaving "chat client that quits" "$scratch/quits.log" 300 || return
    windows_quit_standin
    local quit=$SECONDS
    for _ in $(seq 60); do
        [[ -z "$(bridges)" ]] && break
        sleep 0.1
    done
    expect "chat client that quits: within 6 s no bridge is left" "" "$(bridges)"
    for _ in $(seq 200); do
        [[ $(server_state "$prefix") == free ]] && break
        sleep 0.1
    done
    expect "chat client that quits: the prefix's wineserver ends by itself" free \
        "$(server_state "$prefix")"
    echo "      (from the quit to no bridge and no server: $((SECONDS - quit)) s)"
    form=$(visible_window "$caption" 5)
    type_and_send "$form"
    sleep 2
    expect "chat client that quits: Send says \"Not sent\"" stopped "$(strip_state "$form")"
    # What the preview strip says now, kept for a person to look at.
    import -window "$form" "$native/wine-chat-check-not-sent.png" 2>/dev/null
    expect "chat client that quits: Send starts no Wine" "free, no bridge" \
        "$(server_state "$prefix"), $([[ -z "$(bridges)" ]] && echo "no bridge")"
    # Started again: the next Send finds it, and the line kept in the box goes.
    windows_standin "$scratch/quits-again.log" 300 ||
        { fail "chat client that quits: the stand-in starts again" "$(cat "$log.out")"; return; }
    # Its window opened over the form's: brought forward, as a click would with a window manager.
    xdotool windowraise "$form"
    sleep 0.5
    click_at "$form" 28 208
    wait_posted 1 15
    expect "chat client that quits: started again, it gets the line kept in the box" \
        "$line" "$(grep '^posted' "$log" | posted_texts | head -n 1)" "$scratch/program.out"
    close_window "$(visible_window "$caption" 5)"
    program_end
    expect "chat client that quits: the window still closes and the program ends" "exit 0" \
        "$ended" "$scratch/program.out"
    windows_quit_standin
}
