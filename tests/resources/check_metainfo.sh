#!/usr/bin/env bash
# The AppStream record passes validation offline, belongs to the desktop entry next to it and
# announces the version being built as its newest release.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
metainfo=$1 desktop=$2 program=$3 version=$4

require_tool appstreamcli:appstream
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
# Errors, warnings and infos would be listed with E:, W: or I:; pedantic notes are not shown.
problems=$(grep -E '^[EWI]: ' <<<"$report" || true)
expect_same "validation problems" "" "$problems"

first() { grep -o -m1 "$1" "$metainfo" || true; }
id=$(basename "$desktop" .desktop)
expect_same "ids and version" "<component type=\"desktop-application\">
<id>$id</id>
<launchable type=\"desktop-id\">$id.desktop</launchable>
<binary>$program</binary>
<release version=\"$version\"" "$(first '<component [^>]*>')
$(first '<id>[^<]*</id>')
$(first '<launchable [^>]*>[^<]*</launchable>')
$(first '<binary>[^<]*</binary>')
$(first '<release version="[^"]*"')"
expect_same "licences" "<metadata_license>CC0-1.0</metadata_license>
<project_license>MIT</project_license>" \
    "$(first '<metadata_license>[^<]*</metadata_license>')
$(first '<project_license>[^<]*</project_license>')"
# The window shows the sum before the candidate only; the sum after it is never on screen. Every
# paragraph of the program's description is there in English and in Italian.
expect_same "claims that both sums are shown" "" "$(tr -s '\n ' '  ' <"$metainfo" |
    grep -o -i -E 'showing both sums|mostrando (le due|entrambe le) somme' || true)"
description=$(sed -n '1,/<\/description>/p' "$metainfo")
expect_same "Italian paragraphs, one for each English one" "$(grep -c '<p>' <<<"$description")" \
    "$(grep -c '<p xml:lang="it">' <<<"$description")"
echo "PASS: $metainfo"
