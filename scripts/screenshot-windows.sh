#!/usr/bin/env bash
# Photographs the Windows window as it opens under Wine on a private Xvfb, cropped to the window:
#
#   scripts/screenshot-windows.sh [PROGRAM] [PNG]
#
# PROGRAM defaults to build/windows/Ponderival.exe (scripts/build-windows.sh makes it), PNG to
# docs/frmponderival-wine.png.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside-wine ]; then
    program=$(realpath "${1:-build/windows/Ponderival.exe}")
    png=$(realpath -m "${2:-docs/frmponderival-wine.png}")
    unset DISPLAY
    exec scripts/with-wine.sh "$0" --inside-wine "$program" "$png"
fi
program=$2
png=$3

wine "$program" &
wine_pid=$!
trap 'kill "$wine_pid" 2>/dev/null || true; wait "$wine_pid" || true' EXIT
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)

# The window is on screen once its last control, cmdEsc, shows its light cyan.
shot=$(mktemp --suffix=.png)
for _ in $(seq 600); do
    import -window "$window" "$shot"
    if [ "$(convert "$shot" -format '%[pixel:p{182,148}]' info:)" = "srgb(192,255,255)" ]; then
        break
    fi
    sleep 0.1
done
convert "$shot" -strip "$png"
rm -f "$shot"
identify "$png"
