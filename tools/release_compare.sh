#!/usr/bin/env bash
# Checks that a release builds the same, as a user checking a download would:
# two clones of one commit at different paths, each packaged by
# tools/package_windows.sh and tools/package_deb.sh, one after the other, so
# minutes apart; the first with umask 022, in UTC and the C locale, the second
# with umask 002, thirteen and three quarter hours east and in C.UTF-8. Both
# build without ccache, from nothing. Their dist/SHA256SUMS must be the same.
# Usage: tools/release_compare.sh [COMMIT [FOLDER]]
#   (default: HEAD, in a scratch folder that is kept, with each build's log)
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
work=${2:-$(mktemp -d -t hueloom-release.XXXXXX)}
repository=$PWD
echo "release_compare: $commit in $work"

# package NAME FOLDER UMASK TZ LOCALE: a clone of the commit at FOLDER, packaged.
package() {
    local name=$1 clone=$2
    rm -rf "$clone"
    git clone -q --no-checkout "$repository" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "release_compare: $name: umask $3, TZ=$4, LC_ALL=$5, in $clone"
    (
        umask "$3"
        unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
        export CCACHE_DISABLE=1 TZ=$4 LC_ALL=$5
        cd "$clone" && bash tools/package_windows.sh && bash tools/package_deb.sh
    ) >"$work/$name.log" 2>&1 || {
        echo "release_compare: $name failed to package; the end of $work/$name.log:" >&2
        tail -n 20 "$work/$name.log" >&2
        exit 1
    }
    grep '^release: ' "$work/$name.log"
}
package first "$work/first" 022 UTC0 C
package second "$work/elsewhere/second-clone" 002 HUE-13:45 C.UTF-8

if ! diff "$work/first/dist/SHA256SUMS" "$work/elsewhere/second-clone/dist/SHA256SUMS"; then
    echo "release_compare: the two builds differ (diffoscope shows where, file by file)" >&2
    exit 1
fi
echo "release_compare: both builds give the same bytes:"
cat "$work/first/dist/SHA256SUMS"
