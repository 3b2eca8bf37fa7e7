#!/usr/bin/env bash
# Installs what is missing, builds the page with Debian's Emscripten (warnings as errors, in
# build/wasm) and leaves in build/web/ the static site for any web host: index.html and its
# files, the same page as one file that opens from disk (Ponderival.html), and the ZIP holding
# them all (Ponderival-<version>-web.zip). scripts/serve-web.sh serves it on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake --preset web
cmake --build --preset web

build=build/wasm
web=build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip="Ponderival-$version-web.zip"
rm -rf "$web"
mkdir -p "$web"
cp -R "$build/window/web/site/." "$web/"
cp "$build/window/web/Ponderival.html" "$web/"
# The same bytes from the same build: files in a fixed order with a fixed time.
(cd "$web" && find . -type f ! -name "$zip" | sed 's|^\./||' | LC_ALL=C sort >../web-files.txt &&
    cmake -E tar cf "$zip" --format=zip --mtime="2000-01-01 00:00:00 UTC" --files-from=../web-files.txt)
rm -f build/web-files.txt

for file in index.html Ponderival.html "$zip"; do
    if [ ! -f "$web/$file" ]; then
        echo "$web/$file was not made" >&2
        exit 1
    fi
done
ls -l "$web"
