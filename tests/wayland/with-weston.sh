#!/usr/bin/env bash
# Runs a command under a weston of its own: the headless back end drawing with pixman, which needs
# no seat, no GPU and no logind, so it runs as root and in CI. Its Wayland socket lies in a private
# runtime folder (mode 0700). With --xwayland, weston also listens for X clients and starts Xwayland
# when the first one connects; it names the display it took in its log. Whatever the command does,
# weston and everything it started end with this script. A missing tool fails the run, named.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
xwayland=()
if [ "${1:-}" = --xwayland ]; then
    xwayland=(--xwayland)
    shift
fi
tools=(weston:weston weston-screenshooter:weston)
[ ${#xwayland[@]} -eq 0 ] || tools+=(Xwayland:xwayland)
require_tool "${tools[@]}"

runtime=$(mktemp -d)
chmod 0700 "$runtime"
log=$runtime/weston.log
# setsid: weston leads a session and process group of its own, which its clients and Xwayland
# join, so one signal ends them all. --debug lets the test take screenshots; --idle-time=0 keeps
# the screen on.
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
    setsid weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
    --socket=ponderival --no-config --idle-time=0 --debug --log="$log" "${xwayland[@]}" \
    >"$runtime/weston.out" 2>&1 &
weston=$!
finish() {
    kill -TERM -- "-$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    # The rest of its session (its clients, Xwayland) ends with it; whatever still runs after
    # 10 s is killed. Those that ended wait, as zombies, for init to collect them.
    until_true 10 eval "! ps -o stat= -s $weston | grep -qv '^Z'" || true
    kill -KILL -- "-$weston" 2>/dev/null || true
    rm -rf "$runtime"
}
trap finish EXIT

ready() {
    [ -S "$runtime/ponderival" ] || return 1
    [ ${#xwayland[@]} -eq 0 ] || grep -q 'xserver listening on display :' "$log"
}
until_true 60 eval "ready || ! kill -0 $weston 2>/dev/null" || true
if ! ready; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.out" "$log" >&2 || true
    exit 1
fi

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=ponderival
unset DISPLAY
if [ ${#xwayland[@]} -gt 0 ]; then
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)
    export DISPLAY
fi
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- weston's log" >&2
    cat "$log" >&2 || true
fi
exit "$status"
