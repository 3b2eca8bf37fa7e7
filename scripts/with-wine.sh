#!/usr/bin/env bash
# Runs a command beside a Wine of its own: a new temporary prefix, an X display from Xvfb when
# none is set, and no Wine process left running when it returns. The command's status is kept.
#
#   scripts/with-wine.sh COMMAND [ARG...]
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/ponderival-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs: nothing here needs .NET or a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml=;${WINEDLLOVERRIDES:-}"
finish() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}
trap finish EXIT

# Making the prefix takes seconds; done once here, it does not count against the first test.
wineboot -i >/dev/null 2>&1
wineserver -w
status=0
"$@" || status=$?
wineserver -w
exit "$status"
