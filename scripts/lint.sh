#!/usr/bin/env bash
# Checks formatting, then runs clang-tidy once over every C++ file the project keeps, in the first
# of the given builds that compiles it: the native build (default build/ci), then the Windows
# build for what only it compiles, then the page's build. The search and the tests are compiled
# by all three and linted once.
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

# The project's units, and those linted so far.
linted=$(mktemp)
trap 'rm -f "$linted" "$linted.all"' EXIT
git ls-files '*.cpp' | sed "s|^|$PWD/|" >"$linted.all"

tidy() { # BUILD [EXTRA_ARG...]: the project's units this build compiles that none before it did
    local build_dir=$1 log=$1/clang-tidy.log
    shift
    mapfile -t units < <(python3 -c 'import json, sys
kept, done = set(open(sys.argv[2]).read().split()), set(open(sys.argv[3]).read().split())
for unit in sorted({e["file"] for e in json.load(open(sys.argv[1]))} & kept - done):
    print(unit)' "$build_dir/compile_commands.json" "$linted.all" "$linted")
    printf '%s\n' "${units[@]}" >>"$linted"
    [ ${#units[@]} -gt 0 ] || return 0
    run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "$@" "${units[@]}" >"$log" 2>&1 ||
        { grep -E 'warning:|error:' -A3 "$log" | head -100; exit 1; }
    echo "clang-tidy: ${#units[@]} units of $build_dir clean"
}

tidy "$build"

if [ -n "$windows" ]; then
    # clang reads the MinGW build with its own builtin headers (GCC's intrinsics headers are not
    # clang's), MinGW's C++ library and the Windows headers.
    mapfile -t includes < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v /dev/null 2>&1 |
        sed -n '/^#include <...>/,/^End of search/p' | grep -E '^ ' | grep -v -E '/include(-fixed)?$' |
        sed 's/^ *//')
    mapfile -t includes < <(printf '%s\n' "${includes[@]}"; echo /usr/x86_64-w64-mingw32/include)
    tidy "$windows" -extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++ \
        -extra-arg=-nostdlibinc "${includes[@]/#/-extra-arg=-isystem}"
fi

if [ -n "$web" ]; then
    # The web build's commands name em++, which adds Emscripten's target and sysroot out of sight;
    # clang-tidy is handed them as em++ would pass them to clang.
    read -r -a cflags < <(em++ --cflags)
    tidy "$web" "${cflags[@]/#/-extra-arg=}"
fi
