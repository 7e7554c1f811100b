#!/usr/bin/env bash
# Draws the program's icon (hueloom.ico beside this script) with ImageMagick:
# three colour bars fading over a dark tile, at 16, 32 and 48 pixels.
# The icon is committed; run this again only to change it.
set -euo pipefail
cd "$(dirname "$0")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 16 32 48; do
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
