#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

cmake --preset ci
cmake --build --preset ci
ctest --preset ci
scripts/check-package.sh build/ci
