#!/usr/bin/env bash
# Installs what is missing, builds the release and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset release -DPONDERIVAL_BUILD_TESTS=OFF -DPONDERIVAL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release --target ponderival
exec build/release/window/qt/ponderival
