#!/usr/bin/env bash
# Each hicolor icon is a PNG of exactly its folder's size, 8 bits a channel, with alpha, and the
# scalable one is an SVG; a mislabelled size shows up blurred in menus and docks.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
hicolor=$1 name=$2

for size in 16 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/apps/$name.png"
    [ -f "$png" ] || fail "$png is missing"
    # Signature, then IHDR: length 13, "IHDR", width, height, depth 8, colour type 6 (RGBA).
    header=$(od -An -tu1 -N26 "$png" | tr -s ' \n' ' ')
    high=$((size >> 8)) low=$((size & 255))
    expect_same "header of $png" \
        " 137 80 78 71 13 10 26 10 0 0 0 13 73 72 68 82 0 0 $high $low 0 0 $high $low 8 6 " \
        "$header"
done
svg="$hicolor/scalable/apps/$name.svg"
[ -f "$svg" ] || fail "$svg is missing"
grep -q '^<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256"' "$svg" ||
    fail "$svg does not open as a 256-unit SVG"
sizes=$(cd "$hicolor" && find . -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort -V | tr '\n' ' ')
expect_same "sizes in $hicolor" "16x16 24x24 32x32 48x48 64x64 128x128 256x256 scalable " "$sizes"
echo "PASS: 7 PNG sizes and the SVG"
