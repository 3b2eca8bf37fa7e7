#!/usr/bin/env bash
# Checks formatting and runs clang-tidy over every C++ file the project keeps, using the compile
# commands of the given native build folder (default build/ci) and, when more folders are given,
# those of the Windows build for the Windows-only sources and of the web build for the page's.
#
#   scripts/lint.sh [NATIVE_BUILD] [WINDOWS_BUILD] [WEB_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
windows=${2:-}
web=${3:-}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files formatted as .clang-format says"

# run-clang-tidy checks the files of the compile database that match the names given.
tidy() { # BUILD LOG [EXTRA_ARG...]
    local build_dir=$1 log=$2
    shift 2
    mapfile -t units < <(git ls-files '*.cpp')
    run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "$@" "${units[@]/#/$PWD/}" >"$log" 2>&1 ||
        { grep -E 'warning:|error:' -A3 "$log" | head -100; exit 1; }
    echo "clang-tidy: $(grep -c '"file"' "$build_dir/compile_commands.json") units of $build_dir clean"
}

tidy "$build" "$build/clang-tidy.log"

if [ -n "$windows" ]; then
    # clang reads the MinGW build with its own builtin headers (GCC's intrinsics headers are not
    # clang's), MinGW's C++ library and the Windows headers.
    mapfile -t includes < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v /dev/null 2>&1 |
        sed -n '/^#include <...>/,/^End of search/p' | grep -E '^ ' | grep -v -E '/include(-fixed)?$' |
        sed 's/^ *//')
    mapfile -t includes < <(printf '%s\n' "${includes[@]}"; echo /usr/x86_64-w64-mingw32/include)
    tidy "$windows" "$windows/clang-tidy.log" -extra-arg=--target=x86_64-w64-mingw32 \
        -extra-arg=-nostdinc++ -extra-arg=-nostdlibinc "${includes[@]/#/-extra-arg=-isystem}"
fi

if [ -n "$web" ]; then
    # The web build's commands name em++, which adds Emscripten's target and sysroot out of sight;
    # clang-tidy is handed them as em++ would pass them to clang.
    read -r -a cflags < <(em++ --cflags)
    tidy "$web" "$web/clang-tidy.log" "${cflags[@]/#/-extra-arg=}"
fi
