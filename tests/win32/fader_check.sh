#!/usr/bin/env bash
# The command-line fader under Wine: pipes, its UTF-16 command line, grapheme
# clusters, its formats, and a refused colour.
# Usage: fader_check.sh HUELOOM-FADE.exe
set -uo pipefail
fader=$1
source "$(dirname "$0")/wine_check_lib.sh"

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

check_finish "win32 fader"
