#!/usr/bin/env bash
# Checks formatting and runs clang-tidy over every C++ file the project keeps, using the
# compile commands of the given build folder (default build/ci).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files formatted as .clang-format says"

mapfile -t units < <(git ls-files '*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${units[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' -A3 "$build/clang-tidy.log" | head -100; exit 1; }
echo "clang-tidy: ${#units[@]} files clean"
