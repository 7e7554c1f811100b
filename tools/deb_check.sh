#!/usr/bin/env bash
# Checks the Debian package as a user's system will take it: the files it lays
# out, its menu entry, metainfo and manual pages by their own validators,
# lintian, and the packaged hueloom-fade fading a line.
# Usage: tools/deb_check.sh [PACKAGE]   (default: the one tools/package_deb.sh made)
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in lintian desktop-file-validate appstreamcli man file; do
    command -v "$tool" >/dev/null || { bash tools/setup.sh test; break; }
done
deb=${1:-$(ls dist/hueloom_*.deb)}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failures=0
fail() {
    echo "deb_check: $*"
    failures=$((failures + 1))
}
id=org.hueloom.Hueloom

# These files and no others: nothing of the tests or the stand-ins.
expected=$(
    printf '%s\n' usr/bin/hueloom usr/bin/hueloom-fade \
        "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
        usr/share/man/man1/hueloom.1.gz usr/share/man/man1/hueloom-fade.1.gz \
        usr/share/doc/hueloom/copyright usr/share/doc/hueloom/changelog.Debian.gz \
        usr/share/lintian/overrides/hueloom \
        usr/lib/hueloom/win64/hueloom-wine-bridge.exe usr/lib/hueloom/win32/hueloom-wine-bridge.exe
    for size in 16 32 48 64 128 256; do
        echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    done
)
actual=$(cd "$root" && find . -type f -o -type l | sed 's#^\./##')
diff <(sort <<<"$expected") <(sort <<<"$actual") || fail "the package holds other files (>) or lacks some (<)"

desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
[[ -x $root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop") ]] || fail "Exec= names no packaged program"
[[ $(sed -n 's/^Icon=//p' "$desktop") == "$id" ]] || fail "Icon= is not $id"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate: $id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
for icon in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
    size=${icon#"$root"/usr/share/icons/hicolor/}
    size=${size%%/*}
    file -b "$icon" | grep -q "PNG image data, ${size%x*} x ${size#*x}," || fail "$icon is not $size"
done
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man --warnings, ${page##*/}: $warnings"
done

# The bridges, each for its kind of prefix, where the packaged program looks for them.
for arch in win64:x86-64 win32:80386; do
    bridge=$root/usr/lib/hueloom/${arch%%:*}/hueloom-wine-bridge.exe
    file -b "$bridge" | grep -q "PE32.*(console).*${arch#*:}" || fail "${bridge#"$root"/}: $(file -b "$bridge")"
done
grep -qaF /usr/lib/hueloom "$root/usr/bin/hueloom" || fail "hueloom does not look for the bridges in /usr/lib/hueloom"
! grep -qaF "$PWD/" "$root/usr/bin/hueloom" || fail "hueloom holds a path of the build machine's ($PWD/)"

# No error and no warning; the warnings that are justified are overridden
# in the package itself (packaging/deb/lintian-overrides), with the reason.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

! ldd "$root/usr/bin/hueloom" | grep 'not found' || fail "hueloom's libraries are not all found"
faded=$(echo Hueloom | "$root/usr/bin/hueloom-fade")
expected_fade='<Font Color=#400000>H<Font Color=#800000>u<Font Color=#BF0000>e<Font Color=#FF0000>l<Font Color=#CB0000>o<Font Color=#980000>o<Font Color=#640000>m'
[[ $faded == "$expected_fade" ]] || fail "the packaged hueloom-fade wrote: $faded"

((failures == 0)) || exit 1
echo "deb_check: $deb: files, desktop entry, metainfo, icons, manual pages, lintian and hueloom-fade all good"
