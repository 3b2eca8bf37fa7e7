#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every check: the test
# suite, formatting and clang-tidy, the system-call check, the Debian package, and the test suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

cmake --preset ci
cmake --build --preset ci
ctest --preset ci
scripts/lint.sh build/ci
scripts/check-syscalls.sh build/ci/window/qt/ponderival
scripts/check-package.sh build/ci

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
