#!/usr/bin/env bash
# Installs what is missing, builds the release, the Windows program and the web page and prints the
# benchmark table, the Windows program's rows measured under Wine, the page's in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset release -DPONDERIVAL_BUILD_TESTS=OFF -DPONDERIVAL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset release
cmake --preset windows >/dev/null
cmake --build --preset windows --target ponderival barewindow winbench
scripts/build-web.sh
python3 bench/run_benchmarks.py build/release/bench --windows build/windows \
    --web build/web build/wasm/window/web/description.json "$@"
