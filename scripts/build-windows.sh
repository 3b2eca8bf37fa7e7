#!/usr/bin/env bash
# Installs what is missing, cross-compiles the Windows program with MinGW-w64 (warnings as errors)
# and packs it. Leaves in build/windows/: Ponderival.exe, the ZIP holding it alone
# (Ponderival-<version>-win64.zip) and the installer (Ponderival-<version>-win64.exe).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
cmake --preset windows
cmake --build --preset windows

build=build/windows
# The program is linked beside its sources; the copy is the one to hand out or try.
cp -p "$build/window/win32/Ponderival.exe" "$build/Ponderival.exe"
cpack --config "$build/CPackConfig.cmake" -B "$build"
rm -rf "$build/_CPack_Packages"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for file in Ponderival.exe "Ponderival-$version-win64.zip" "Ponderival-$version-win64.exe"; do
    if [ ! -f "$build/$file" ]; then
        echo "$build/$file was not made" >&2
        exit 1
    fi
    ls -l "$build/$file"
done
