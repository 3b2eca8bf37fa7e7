#!/usr/bin/env bash
# Runs a command on an X server of its own: Xvfb at 24 bits a pixel, whose display number the
# server picks itself (-displayfd), so that test programs run side by side never race for one as
# xvfb-run -a can. Exits with 77, naming the tool, when Xvfb or xdotool is missing.
set -euo pipefail
for tool in Xvfb:xvfb xdotool:xdotool xprop:x11-utils dbus-run-session:dbus-daemon; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "missing tool: ${tool%%:*} is not installed (Debian package ${tool#*:})" >&2
        exit 77
    fi
done
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 600); do
    if [ -s "$work/display" ]; then
        break
    fi
    kill -0 "$server" 2>/dev/null || { cat "$work/log" >&2; exit 1; }
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"
