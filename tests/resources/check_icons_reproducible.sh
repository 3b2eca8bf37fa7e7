#!/usr/bin/env bash
# The committed icons are exactly what make_icons.py draws: no hand edit and no forgotten rerun.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
icons=$1

require_tool python3:python3
make_work_folder
PYTHONDONTWRITEBYTECODE=1 python3 "$icons/make_icons.py" "$work"

listing() { (cd "$1" && find . -type f \( -name '*.png' -o -name '*.svg' -o -name '*.ico' \) | sort); }
expect_same "files made by make_icons.py" "$(listing "$icons")" "$(listing "$work")"
count=0
while read -r file; do
    cmp "$icons/$file" "$work/$file" || fail "$file differs from what make_icons.py draws"
    count=$((count + 1))
done < <(listing "$work")
[ "$count" -eq 11 ] || fail "expected 11 files (icon group, 7 hicolor PNGs, SVG, 2 web PNGs), found $count"
echo "PASS: $count files made again byte for byte"
