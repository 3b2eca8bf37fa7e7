#!/usr/bin/env bash
# The committed icons are exactly what make_icons.py draws: no hand edit and no forgotten rerun.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
icons=$1

require_tool python3 python3
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
PYTHONDONTWRITEBYTECODE=1 python3 "$icons/make_icons.py" "$made"

listing() { (cd "$1" && find . -type f \( -name '*.png' -o -name '*.svg' -o -name '*.ico' \) | sort); }
expect_same "files made by make_icons.py" "$(listing "$icons")" "$(listing "$made")"
count=0
while read -r file; do
    cmp "$icons/$file" "$made/$file" || fail "$file differs from what make_icons.py draws"
    count=$((count + 1))
done < <(listing "$made")
[ "$count" -eq 11 ] || fail "expected 11 files (icon group, 7 hicolor PNGs, SVG, 2 web PNGs), found $count"
echo "PASS: $count files made again byte for byte"
