#!/usr/bin/env bash
# Installs what is missing, builds the release and the Windows program and prints the benchmark
# table, the Windows program's rows measured under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset release -DPONDERIVAL_BUILD_TESTS=OFF -DPONDERIVAL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset release
cmake --preset windows >/dev/null
cmake --build --preset windows --target ponderival barewindow winbench
python3 bench/run_benchmarks.py build/release/bench --windows build/windows "$@"
