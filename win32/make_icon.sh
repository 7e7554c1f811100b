#!/usr/bin/env bash
# Draws the program's icon with ImageMagick: three colour bars fading over a
# dark tile. hueloom.ico beside this script holds it at 16, 32 and 48 pixels;
# the Linux menus' PNGs in packaging/icons/ are the same drawing at 16 to 256
# (multiples of 16, where the bars and gaps come out in whole pixels).
# The icons are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 16 32 48 64 128 256; do
    bar=$((size / 4))
    gap=$(((size - 3 * bar) / 4))
    convert -size "${size}x${size}" xc:'#202028' \
        \( -size "${bar}x$((size - 2 * gap))" gradient:'#ff3030-#600000' \) \
        -geometry "+${gap}+${gap}" -composite \
        \( -size "${bar}x$((size - 2 * gap))" gradient:'#30ff60-#006020' \) \
        -geometry "+$((2 * gap + bar))+${gap}" -composite \
        \( -size "${bar}x$((size - 2 * gap))" gradient:'#4080ff-#101870' \) \
        -geometry "+$((3 * gap + 2 * bar))+${gap}" -composite \
        "$scratch/icon-$size.png"
done
convert "$scratch/icon-16.png" "$scratch/icon-32.png" "$scratch/icon-48.png" hueloom.ico
echo "made $(pwd)/hueloom.ico"
hicolor=../packaging/icons/hicolor
for size in 16 32 48 64 128 256; do
    mkdir -p "$hicolor/${size}x${size}/apps"
    # No time stamps, so drawing again without a change changes no file.
    convert "$scratch/icon-$size.png" -strip -depth 8 -define png:exclude-chunk=date,time \
        "$hicolor/${size}x${size}/apps/org.hueloom.Hueloom.png"
done
echo "made $(cd "$hicolor" && pwd)"
