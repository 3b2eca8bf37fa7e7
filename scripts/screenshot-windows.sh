#!/usr/bin/env bash
# Photographs the Windows window as it opens under Wine on a private Xvfb, cropped to the window:
#
#   scripts/screenshot-windows.sh [PROGRAM] [PNG] [DESCRIPTION]
#
# PROGRAM defaults to build/windows/Ponderival.exe (scripts/build-windows.sh makes it), PNG to
# docs/frmponderival-wine.png, DESCRIPTION to the window's description as JSON beside it,
# build/windows/description.json, which tells where cmdEsc is and its colour; a formplaces program
# in its place is asked for it with --json.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tests/support/testlib.sh
. tests/support/testlib.sh

if [ "${1:-}" != --inside-wine ]; then
    program=$(realpath "${1:-build/windows/Ponderival.exe}")
    png=$(realpath -m "${2:-docs/frmponderival-wine.png}")
    description=$(realpath "${3:-build/windows/description.json}")
    unset DISPLAY
    if [ ! -x "$description" ]; then
        export PONDERIVAL_DESCRIPTION=${PONDERIVAL_DESCRIPTION:-$description}
    fi
    exec scripts/with-wine.sh "$0" --inside-wine "$program" "$png" "$description"
fi
program=$2
png=$3
# A point just inside cmdEsc's left edge, clear of its caption, and the colour it should show.
read -r x y colour < <(python3 tests/support/description.py "$4" inside cmdEsc)
colour=$(printf 'srgb(%d,%d,%d)' "0x${colour:1:2}" "0x${colour:3:2}" "0x${colour:5:2}")

wine "$program" &
wine_pid=$!
trap 'kill "$wine_pid" 2>/dev/null || true; wait "$wine_pid" || true' EXIT
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)

# The window is on screen once its last control, cmdEsc, shows its colour.
shot=$(mktemp --suffix=.png)
shows_colour() {
    import -window "$window" "$shot" &&
        [ "$(convert "$shot" -format "%[pixel:p{$x,$y}]" info:)" = "$colour" ]
}
until_true 60 shows_colour || true
convert "$shot" -strip "$png"
rm -f "$shot"
identify "$png"
