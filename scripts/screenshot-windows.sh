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
if [ -x "$4" ]; then facts=$("$4" --json); else facts=$(cat "$4"); fi
read -r x y colour < <(python3 -c 'import json, sys
esc = next(c for c in json.load(sys.stdin)["controls"] if c["name"] == "cmdEsc")
rgb = ",".join(str(int(esc["background"][i:i + 2], 16)) for i in (1, 3, 5))
print(esc["left"] + 6, esc["top"] + esc["height"] // 2, f"srgb({rgb})")' <<<"$facts")

wine "$program" &
wine_pid=$!
trap 'kill "$wine_pid" 2>/dev/null || true; wait "$wine_pid" || true' EXIT
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)

# The window is on screen once its last control, cmdEsc, shows its colour.
shot=$(mktemp --suffix=.png)
for _ in $(seq 600); do
    import -window "$window" "$shot"
    if [ "$(convert "$shot" -format "%[pixel:p{$x,$y}]" info:)" = "$colour" ]; then
        break
    fi
    sleep 0.1
done
convert "$shot" -strip "$png"
rm -f "$shot"
identify "$png"
