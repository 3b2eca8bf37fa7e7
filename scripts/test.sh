#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every check: the test
# suite (offscreen, and the real program on a private Xvfb of each X11 test's own), formatting and
# clang-tidy, the Windows program and its tests under Wine, the web page and its tests in Chromium,
# the system-call check, the Debian package, and the test suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

cmake --preset ci
cmake --build --preset ci
ctest --preset ci
# Orca follows the search a second time in a row: an order of utterances held by luck shows here.
ctest --preset ci -L a11y

# The Windows program, its ZIP and installer, and its tests under a Wine and a display of their own.
scripts/build-windows.sh
scripts/with-wine.sh ctest --preset windows

# The page: the search as WebAssembly, its tests under Node.js and the page in headless Chromium.
scripts/build-web.sh
ctest --preset web
# Orca follows the page in Chromium, on the native build's private display and buses.
ctest --preset ci -L web

scripts/lint.sh build/ci build/windows build/wasm
scripts/check-syscalls.sh build/ci/window/qt/ponderival build/ci/window/form/ponderival_formplaces
scripts/check-package.sh build/ci

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
