#!/usr/bin/env bash
# Checks formatting, then runs clang-tidy once over every C++ file the project keeps, in the first
# of the given builds that compiles it (the native build first, then the page's or the Windows
# one): the search and the tests, which all three compile, are linted once. With --last, only the
# last build's own units are linted, and no formatting checked: the test command lints each build
# as soon as it is there.
#
#   scripts/lint.sh [--last] BUILD...      e.g. scripts/lint.sh build/ci build/wasm build/windows
set -euo pipefail
cd "$(dirname "$0")/.."
# clang-tidy builds each unit's whole syntax tree with malloc: on transparent huge pages, where the
# system grants them on request, it runs a tenth faster.
export GLIBC_TUNABLES=glibc.malloc.hugetlb=1${GLIBC_TUNABLES:+:$GLIBC_TUNABLES}
last=false
if [ "${1:-}" = --last ]; then
    last=true
    shift
fi
[ $# -gt 0 ] || set -- build/ci

if [ $last = false ]; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
    clang-format --dry-run --Werror "${sources[@]}"
    echo "clang-format: ${#sources[@]} files formatted as .clang-format says"
fi

# The project's units that this build compiles and none of the earlier ones does.
units() { # BUILD EARLIER_BUILD...
    git ls-files '*.cpp' | sed "s|^|$PWD/|" | python3 -c 'import json, sys
kept = set(sys.stdin.read().split())
owned = [{e["file"] for e in json.load(open(f"{build}/compile_commands.json"))}
         for build in sys.argv[1:]]
print("\n".join(sorted(owned[0] & kept - set().union(*owned[1:]))))' "$@"
}

# What clang needs beside the compile commands to read a cross build as its compiler does.
extra_arguments() { # BUILD
    case "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$1/CMakeCache.txt")" in
    *mingw*)
        # clang's own builtin headers (GCC's intrinsics headers are not clang's), MinGW's C++
        # library and the Windows headers.
        x86_64-w64-mingw32-g++-posix -E -x c++ -v /dev/null 2>&1 |
            sed -n '/^#include <...>/,/^End of search/p' | grep -E '^ ' |
            grep -v -E '/include(-fixed)?$' | sed 's/^ */-extra-arg=-isystem/'
        printf '%s\n' -extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++ \
            -extra-arg=-nostdlibinc -extra-arg=-isystem/usr/x86_64-w64-mingw32/include
        ;;
    *emscripten*)
        # em++ adds Emscripten's target and sysroot out of sight; clang is handed them.
        em++ --cflags | tr ' ' '\n' | grep . | sed 's/^/-extra-arg=/'
        ;;
    esac
}

tidy() { # BUILD EARLIER_BUILD...
    local build=$1 log=$1/clang-tidy.log
    mapfile -t own < <(units "$@" | grep .)
    [ ${#own[@]} -gt 0 ] || return 0
    mapfile -t extra < <(extra_arguments "$build")
    run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${extra[@]}" "${own[@]}" >"$log" 2>&1 ||
        { grep -E 'warning:|error:' -A3 "$log" | head -100; exit 1; }
    echo "clang-tidy: ${#own[@]} units of $build clean"
}

builds=("$@")
for ((at = ${#builds[@]} - 1; at >= 0; at--)); do
    if [ $last = false ] || [ $at -eq $((${#builds[@]} - 1)) ]; then
        earlier=("${builds[@]:0:at}")
        tidy "${builds[at]}" "${earlier[@]}"
    fi
done
