#!/usr/bin/env bash
# Reads Ponderival.exe as Windows would: an x86-64 GUI program that imports only DLLs every
# Windows has, carrying the version record, the icon group and the manifest. The version record
# and the icons are taken out of the program file itself and compared with what the resource
# script compiles to (check_version_record.sh, check_icon_listing.sh).
#
#   check_program_file.sh PONDERIVAL_EXE VERSION
set -euo pipefail
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$here/../support/testlib.sh"
exe=$1 version=$2

require_tool x86_64-w64-mingw32-objdump:binutils-mingw-w64-x86-64 wrestool:icoutils python3:python3
make_work_folder

# Headers and imports.
TZ=UTC0 x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers.txt"
header() { sed -n "s/^$1[[:space:]]\+//p" "$work/headers.txt"; }
expect_same "file format" "pei-x86-64" "$(sed -n 's/.*file format //p' "$work/headers.txt")"
expect_same "optional header" "020b	(PE32+)" "$(header Magic)"
expect_same "subsystem" "00000002	(Windows GUI)" "$(header Subsystem)"
# No build time in the header, so that a rebuild from the same sources gives the same file.
expect_same "link time" "Thu Jan  1 00:00:00 1970" "$(header 'Time\/Date')"
# 6.1 is Windows 7; a program file asking for a later one would not start there.
subsystem_version=$(header MajorSubsystemVersion).$(header MinorSubsystemVersion)
awk -v v="$subsystem_version" 'BEGIN { exit !(v + 0 <= 6.1) }' ||
    fail "subsystem version $subsystem_version is later than Windows 7's 6.1"

# ASLR with high-entropy addresses (0x20, 0x40) and DEP (0x100), which Windows gives only a program
# that asks; and the relocations, without which Windows cannot move the program after all.
characteristics=$(header DllCharacteristics)
[ $((0x$characteristics & 0x160)) -eq $((0x160)) ] ||
    fail "DllCharacteristics $characteristics lacks high-entropy ASLR or DEP (0x160)"
grep -qE '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory' "$work/headers.txt" ||
    fail "the program file has no base relocations, so Windows cannot place it at random"

sed -n 's/^[[:space:]]*DLL Name: //p' "$work/headers.txt" >"$work/imports.txt"
[ -s "$work/imports.txt" ] || fail "objdump found no imported DLL at all"
# The DLLs of Windows itself; no C++ run time, no threads library, no Qt beside the program.
windows_dlls='^(kernel32|user32|gdi32|msvcrt|winmm|ole32|comctl32|advapi32|shell32|uxtheme|api-ms-win-crt-[a-z0-9-]+)\.dll$'
foreign=$(grep -viE "$windows_dlls" "$work/imports.txt" || true)
[ -z "$foreign" ] || fail "imports DLLs that do not come with Windows:"$'\n'"$foreign"

# The resources, by type, name and language: three icons, their group and the version record in
# Italian, and the manifest.
expect_same "resources (wrestool -l)" "--type=3 --name=1 --language=1040
--type=3 --name=2 --language=1040
--type=3 --name=3 --language=1040
--type=14 --name=1 --language=1040
--type=16 --name=1 --language=1040
--type=24 --name=1" "$(wrestool -l "$exe" | sed 's/ \[.*//; s/^\(--type=24 --name=1\) .*/\1/')"

# The version record and the icon group, read back through windres as the script's own are.
specs=()
for resource in 3:1 3:2 3:3 14:1 16:1; do
    wrestool -x --raw --type="${resource%:*}" --name="${resource#*:}" --language=1040 "$exe" \
        >"$work/$resource.bin"
    specs+=("${resource%:*}:${resource#*:}:1040:$work/$resource.bin")
done
python3 "$here/resources_to_res.py" "$work/program.res" "${specs[@]}"
bash "$here/../resources/check_version_record.sh" "$work/program.res" "$version"

# The icon group as Explorer reassembles it: exactly the three classic images.
wrestool -x --type=14 --name=1 "$exe" >"$work/program.ico"
bash "$here/../resources/check_icon_listing.sh" "$work/program.ico"

wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest.xml"
for needed in 'level="asInvoker"' '>true/pm</dpiAware>' '>PerMonitorV2'; do
    grep -qF "$needed" "$work/manifest.xml" || fail "the manifest has no $needed"
done

echo "PASS: $(basename "$exe"): x86-64, Windows GUI, DllCharacteristics $characteristics, imports $(paste -sd ' ' "$work/imports.txt")"
