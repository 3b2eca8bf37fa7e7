#!/usr/bin/env bash
# Installs what is missing, builds the release and prints the benchmark table.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset release -DPONDERIVAL_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release
python3 bench/run_benchmarks.py build/release/bench "$@"
