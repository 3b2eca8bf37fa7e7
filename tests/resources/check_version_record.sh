#!/usr/bin/env bash
# Compiles the Windows resource script as a MinGW build would and reads the result back: the
# version record Windows shows under Properties, and the icon group of the program file.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$(dirname "$0")/../support/testlib.sh"
rc=$1 version=$2

# windres preprocesses with gcc.
require_tool x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64 x86_64-w64-mingw32-gcc:gcc-mingw-w64-x86-64
make_work_folder
x86_64-w64-mingw32-windres "$rc" -O res -o "$work/program.res"
x86_64-w64-mingw32-windres -i "$work/program.res" -O rc -o "$work/readback.rc"
block() { sed -n "/^$1/,/^END\$/p" "$work/readback.rc" | grep -v '^ *0x' | tr -s ' \t' ' '; }

IFS=. read -r major minor patch <<<"$version"
numbers="$major, $minor, $patch, 0"
expect_same "version record" "1 VERSIONINFO
 FILEVERSION $numbers
 PRODUCTVERSION $numbers
 FILEFLAGSMASK 0x3f
 FILEOS 0x40004
 FILETYPE 0x1
BEGIN
 BLOCK \"StringFileInfo\"
 BEGIN
 BLOCK \"041004B0\"
 BEGIN
 VALUE \"CompanyName\", \"Gli sviluppatori di Ponderival\"
 VALUE \"FileDescription\", \"Quesito delle case numerate\"
 VALUE \"FileVersion\", \"1.00\"
 VALUE \"InternalName\", \"Ponderival\"
 VALUE \"OriginalFilename\", \"Ponderival.exe\"
 VALUE \"ProductName\", \"Ponderival\"
 VALUE \"ProductVersion\", \"1.00\"
 END
 END
 BLOCK \"VarFileInfo\"
 BEGIN
 VALUE \"Translation\", 0x410, 1200
 END
END" "$(block '1 VERSIONINFO')"

# Width, height, colours, bits and byte count of each image: header, palette, colours, mask.
expect_same "icon group" '1 14 /* RT_GROUP_ICON */ MOVEABLE DISCARDABLE
BEGIN
 0, 1, 3, /* Has 3 elements. */
 /* "width height colors pad", planes, bits, bytes, index. */
 "\040\040\002\000", 1, 1, 0x130L, 1, /* Element no 1. */
 "\040\040\020\000", 1, 4, 0x2e8L, 2, /* Element no 2. */
 "\020\020\020\000", 1, 4, 0x128L, 3 /* Element no 3. */
END' "$(block '[0-9]* 14 ')"
expect_same "resource languages" "LANGUAGE 16, 1" "$(grep '^LANGUAGE' "$work/readback.rc" | sort -u)"
echo "PASS: version $numbers and one icon group of 3 images"
