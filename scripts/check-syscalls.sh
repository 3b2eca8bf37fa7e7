#!/usr/bin/env bash
# Shows, from the system calls of a real run, that the program writes no file of its own, keeps no
# settings and opens no IP socket. Under Xvfb it also clicks Avanti!, lets the search run and
# closes the window with Esc, which must end the program with status 0.
#
# Each run gets a session bus of its own, as a desktop session gives one: without it Qt would
# autolaunch a bus daemon through dbus-launch, which outlives the program (strace would wait for
# it forever) and writes files of its own in the home folder. Each run also has a time limit.
#
#   scripts/check-syscalls.sh PATH_TO_PONDERIVAL PATH_TO_DESCRIPTION_JSON
set -euo pipefail
program=$(realpath "${1:?usage: $0 PATH_TO_PONDERIVAL PATH_TO_DESCRIPTION_JSON}")
description=$(realpath "${2:?usage: $0 PATH_TO_PONDERIVAL PATH_TO_DESCRIPTION_JSON}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Writes that belong to the system's libraries, not to the program: font caches and /dev/null.
allowed='"(/dev/null|/dev/shm/[^"]*|[^"]*/\.cache/fontconfig[^"]*)"'

verdict() {
    local log=$1 bad
    bad=$(grep -E 'socket\(AF_INET6?|sa_family=AF_INET6?|execve\("[^"]*dbus-launch' "$log" || true)
    bad+=$(grep -v -- '= -1 ' "$log" |
        grep -E " (open(at)?\\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(creat|mkdir(at)?|rename(at2?)?|unlink(at)?|(sym)?link(at)?|truncate)\\()" |
        grep -v -E "$allowed" | grep -v -F "\"$XDG_RUNTIME_DIR" || true)
    if [ -n "$bad" ]; then
        echo "$2: calls the program must not make:" >&2
        echo "$bad" >&2
        return 1
    fi
    echo "$2: no IP socket, no file written ($(wc -l <"$log") calls traced)"
}

for tool in strace dbus-run-session Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || { echo "$0: missing tool: $tool" >&2; exit 1; }
done

QT_QPA_PLATFORM=offscreen timeout 60 dbus-run-session -- \
    strace -f -qq -e trace=%file,%network -e signal=none -o "$work/offscreen.log" \
    timeout --preserve-status 3 "$program" || [ $? -eq 143 ]
verdict "$work/offscreen.log" offscreen

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
log=$1
places=$2
shift 2
place() { awk -v name="$1" '$1 == name { print $2, $3 }' "$places"; }
strace -f -qq -e trace=%file,%network -e signal=none -o "$log" "$@" &
program=$!
window=$(timeout 20 xdotool search --sync --name '^Form1') ||
    { echo "the window did not appear under Xvfb" >&2; exit 1; }
# shellcheck disable=SC2046 # the places are "x y", two arguments
xdotool mousemove --window "$window" $(place cmdStop) click 1   # start the search
sleep 1
xdotool mousemove --window "$window" $(place cmdEsc) click 1    # close
wait "$program"
SESSION
# Each control's centre, "name x y", for xdotool.
support=$(dirname "$0")/../tests/support
python3 "$support/description.py" "$description" centres >"$work/places.txt"
QT_QPA_PLATFORM=xcb timeout 120 python3 "$support/xvfb.py" --size 1280x1024x24 \
    dbus-run-session -- bash "$work/session.sh" "$work/x11.log" "$work/places.txt" "$program"
verdict "$work/x11.log" "X11 (search run, closed with Esc, status 0)"
leftovers=$(find "$HOME" -type f -not -path '*/.cache/fontconfig/*')
if [ -n "$leftovers" ]; then
    echo "files left in the home folder: $leftovers" >&2
    exit 1
fi
