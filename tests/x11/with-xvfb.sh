#!/usr/bin/env bash
# Runs a command on an X server of its own, with Qt's X11 platform: Xvfb at 1280x1024, 24 bits a
# pixel, on a display the server picks itself (tests/support/xvfb.py), so that test programs run
# side by side never race for one. Exits with 77, naming the tool, when one the X11 tests use is
# missing.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
require_tool Xvfb:xvfb xdotool:xdotool xprop:x11-utils dbus-run-session:dbus-daemon
export QT_QPA_PLATFORM=xcb
exec python3 "$(dirname "$0")/../support/xvfb.py" --size 1280x1024x24 "$@"
