#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without a word, starts the installed program
# and names an icon that the package ships at every size.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
desktop=$1 program=$2 hicolor=$3

require_tool desktop-file-validate:desktop-file-utils
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
expect_same "desktop-file-validate output" "" "$report"

id=$(basename "$desktop" .desktop)
expect_same "launch keys" "Application
$program
false
$id" "$(for key in Type Exec Terminal Icon; do desktop_value "$desktop" "$key"; done)"
expect_same "Italian name and comment" "Ponderival
Quesito delle case numerate
Cerca la casa in cui la somma dei numeri precedenti è uguale a quella dei numeri seguenti" \
    "$(for key in 'Name\[it\]' 'GenericName\[it\]' 'Comment\[it\]'; do desktop_value "$desktop" "$key"; done)"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$hicolor/$size/apps/$id.png" ] || fail "no $size icon named $id"
done
echo "PASS: $desktop"
