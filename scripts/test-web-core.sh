#!/usr/bin/env bash
# Installs what is missing, builds the search and its tests as WebAssembly with Emscripten
# (warnings as errors, in build/wasm) and runs the tests under Node.js.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake --preset web
cmake --build --preset web
ctest --preset web
