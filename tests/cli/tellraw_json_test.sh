#!/usr/bin/env bash
# Every line of a file through hueloom-fade -f tellraw: each line written parses
# as JSON, as strict UTF-8, and its components' texts give the line back.
# Usage: tellraw_json_test.sh HUELOOM-FADE FILE PYTHON3
set -euo pipefail
"$1" -f tellraw -s red,gold,blue <"$2" | "$3" -c '
import json, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")[:-1]
written = sys.stdin.buffer.read().decode("utf-8").split("\n")[:-1]
assert len(written) == len(lines), f"{len(written)} lines written of {len(lines)}"
for number, (line, out) in enumerate(zip(lines, written), 1):
    texts = "".join(part if isinstance(part, str) else part["text"] for part in json.loads(out))
    assert texts == line, f"line {number}: {texts!r} is not {line!r}"
print(f"{len(lines)} lines, each JSON that gives the line back")
' "$2"
