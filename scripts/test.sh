#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every test: the native
# suite (offscreen, the real program on private X servers, Wayland, and what Orca says of the
# program and of the page), the Windows program and its tests under Wine, the page and its tests
# under Node.js and in the browsers, the system-call check, the Debian package, and the native
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, with formatting and clang-tidy
# (scripts/lint.sh) beside them. A test whose tool is missing fails, naming the tool.
#
# Stages that do not wait on each other run side by side, the builds at a lower priority than the
# tests beside them. Each stage's output goes to build/logs/STAGE.log and is shown if it fails;
# the time of every stage is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

logs=build/logs
rm -rf "$logs"
mkdir -p "$logs"
declare -A stages=()
trap 'for pid in "${stages[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT

stage() { # NAME COMMAND... : runs it with its output in its log; records its time and processor
    local name=$1 begun=$SECONDS status=0
    shift
    # In a process of its own, so that a failing command inside a stage ends the stage; the
    # processor time of all it ran is taken as it ends, however it ends.
    (
        trap 'times >"$logs/$name.cpu"' EXIT
        "$@"
    ) >"$logs/$name.log" 2>&1 &
    wait $! || status=$?
    printf '%-28s %4d s  %5d s of processor%s\n' "$name" $((SECONDS - begun)) "$(awk -F'[ms ]' \
        'NR == 2 { printf "%d", $1 * 60 + $2 + $4 * 60 + $5 }' "$logs/$name.cpu")" \
        "$([ $status -eq 0 ] || echo ' FAILED')" >>"$logs/times.txt"
    if [ $status -ne 0 ]; then
        echo "== $name failed (status $status); the end of $logs/$name.log:" >&2
        tail -n 80 "$logs/$name.log" >&2
    fi
    return $status
}
in_background() { # NAME COMMAND...
    stage "$@" &
    stages[$1]=$!
}
await() { # NAME...
    local name
    for name in "$@"; do
        wait "${stages[$name]}" || exit 1
        unset "stages[$name]"
    done
}
building() { nice -n 10 "$@"; }

native_tests() {
    ctest --preset ci
    # Orca follows the search a second time in a row: an order of utterances held by luck shows.
    ctest --preset ci -R '^a11y\.tst_orca$'
    scripts/check-syscalls.sh build/ci/window/qt/ponderival build/ci/description.json
    scripts/check-package.sh build/ci
}
sanitized() { # PID: the installation the tests need, which the build does not
    building cmake --preset asan
    building cmake --build --preset asan
    tail --pid="$1" -f /dev/null
    ctest --preset asan
}
windows() {
    stage windows-build building scripts/build-windows.sh
    in_background windows-tests scripts/with-wine.sh ctest --preset windows
    # The page's build compiles no unit of its own that the Windows one does.
    in_background lint-windows building scripts/lint.sh --last build/ci build/windows
    await windows-tests lint-windows
}

begun=$SECONDS
# What the native build needs comes first; the rest arrives while it builds.
stage install-native scripts/install-deps.sh native
in_background install-rest scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
stage native-build bash -c 'cmake --preset ci && cmake --build --preset ci'
# Each build is linted as soon as it is there, each file in the first build that compiles it; the
# native build is linted, and built again with the sanitizers, while the rest is installed.
in_background lint-native building scripts/lint.sh build/ci
in_background sanitized sanitized "${stages[install-rest]}"
await install-rest
in_background windows windows
# The native tests follow the page with Orca too, so the page is built before they start.
stage page-build scripts/build-web.sh
in_background lint-page building scripts/lint.sh --last build/ci build/wasm
in_background native-tests native_tests
in_background page-tests ctest --preset web
await lint-native lint-page page-tests native-tests sanitized windows
printf '%-28s %4d s\n' "all" $((SECONDS - begun)) >>"$logs/times.txt"
cat "$logs/times.txt"
