#!/usr/bin/env bash
# The program file's icon group holds the three classic images that Windows picks from:
# 32 pixels in 2 and in 16 colours, and 16 pixels in 16 colours, in that order.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
ico=$1

require_tool icotool:icoutils
expect_same "icotool -l $ico" \
    "--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16" \
    "$(icotool -l "$ico")"
echo "PASS: three images in $ico"
