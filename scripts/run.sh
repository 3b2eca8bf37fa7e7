#!/usr/bin/env bash
# Installs what is missing, builds the program alone and opens the window. The build has a folder
# of its own, so that its options never meet those of the test or benchmark builds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset release -B build/run -DPONDERIVAL_BUILD_TESTS=OFF \
    -DPONDERIVAL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/run --target ponderival
exec build/run/window/qt/ponderival
