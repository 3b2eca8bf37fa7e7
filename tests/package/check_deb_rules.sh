#!/usr/bin/env bash
# Debian's rules for the package: lintian finds no error and no warning in it, the copyright is in
# the machine-readable format with every licence it names spelled out, the changelog's latest entry
# is the package's version, and the manual page names that version and what the window shows, as
# the window's description has it, so that neither falls behind the program.
#
#   check_deb_rules.sh DEB DESCRIPTION_JSON
set -euo pipefail
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$here/../support/testlib.sh"
deb=$1 description=$2

require_tool lintian:lintian dpkg-parsechangelog:dpkg-dev man:man-db python3:python3
# Debian's own Python, whichever python3 comes first on the PATH: python3-debian is installed there.
/usr/bin/python3 -c 'import debian.copyright' 2>/dev/null || {
    echo "missing tool: Python's debian.copyright is not installed (Debian package python3-debian)" >&2
    exit 77
}
make_work_folder

# An override, should one ever be needed, goes in usr/share/lintian/overrides/ponderival with a
# comment saying why.
options=(--fail-on "error,warning" --display-info)
[ "$(id -u)" -ne 0 ] || options+=(--allow-root)
lintian "${options[@]}" "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian finds errors or warnings in $(basename "$deb"):"$'\n'"$(cat "$work/lintian.txt")"

dpkg-deb -x "$deb" "$work/root"
version=$(dpkg-deb -f "$deb" Version)
/usr/bin/python3 - "$work/root/usr/share/doc/ponderival/copyright" <<'EOF' || exit 1
import sys
from debian import copyright as dep5
try:
    with open(sys.argv[1], encoding="utf-8") as file:
        copyright = dep5.Copyright(file, strict=True)
except (dep5.NotMachineReadableError, dep5.MachineReadableFormatError) as error:
    sys.exit(f"copyright: {error}")
if not copyright.header.known_format():
    sys.exit(f"copyright: format {copyright.header.format} is not the machine-readable one")
spelled = {paragraph.license.synopsis for paragraph in copyright.all_license_paragraphs()}
for files in copyright.all_files_paragraphs():
    if not files.license.text and files.license.synopsis not in spelled:
        sys.exit(f"copyright: the licence {files.license.synopsis} is named but not spelled out")
EOF
gzip -dc "$work/root/usr/share/doc/ponderival/changelog.gz" >"$work/changelog"
expect_same "the changelog's latest version" "$version" \
    "$(dpkg-parsechangelog -l "$work/changelog" -S Version)"

# The title, the column headings, the buttons' captions in both looks and the error report.
window_texts() {
    python3 - "$description" "$(dirname "$0")/../support" <<'EOF'
import sys
sys.path.insert(0, sys.argv[2])
from description import Description
form = Description(sys.argv[1])
seen = [control for control in form["controls"] if control["visible"]]
texts = [form["title"]] + [form.heading(c) for c in seen if c["heading"]]
texts += [c["text"] for c in seen if c["kind"] == "button"]
texts += [look["caption"] for look in form["stopLooks"].values()]
texts += form["report"]["overflow"].splitlines()
print("\n".join(text for text in dict.fromkeys(texts) if text))
EOF
}

# As a reader sees it: one long line to a paragraph, no word broken, runs of blanks as one.
page=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man --no-hyphenation --no-justification \
    -l "$work/root/usr/share/man/man6/ponderival.6.gz" 2>&1) || fail "man cannot show the page: $page"
page=$(tr -s '[:space:]' ' ' <<<"$page")
missing=()
while IFS= read -r wanted; do
    grep -qF -- "$wanted" <<<"$page" || missing+=("\"$wanted\"")
done < <(window_texts; echo "Ponderival $version")
[ ${#missing[@]} -eq 0 ] || fail "the manual page does not name ${missing[*]}"

echo "PASS: $(basename "$deb"): no lintian error or warning; changelog at $version;" \
    "the manual page names $(window_texts | paste -sd '|' | sed 's/|/, /g')"
[ ! -s "$work/lintian.txt" ] || cat "$work/lintian.txt"
