#!/usr/bin/env bash
# Runs a command beside a Wine of its own: a new temporary prefix, an X display from Xvfb when
# none is set, and no Wine process left running when it returns. The command's status is kept.
#
#   scripts/with-wine.sh COMMAND [ARG...]
set -euo pipefail

# A Windows desktop has the scalable faces the window draws with (Microsoft Sans Serif, Times New
# Roman); a new prefix has none, and would put whatever face it likes in their place. Each is
# replaced by the face of the same metrics that Linux uses, as the window's description pairs them:
# its JSON form, which the Windows build writes (PONDERIVAL_DESCRIPTION names another).
support=$(dirname "$0")/../tests/support
description=${PONDERIVAL_DESCRIPTION:-$(dirname "$0")/../build/windows/description.json}
mapfile -t replacements < <(python3 "$support/description.py" "$description" faces)
if [ "${#replacements[@]}" -eq 0 ]; then
    echo "$0: no faces read from $description: build the Windows program first" \
        "(scripts/build-windows.sh), or set PONDERIVAL_DESCRIPTION to a description.json" >&2
    exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
    exec python3 "$support/xvfb.py" --size 1280x1024x24 "$0" "$@"
fi

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/ponderival-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs: nothing here needs .NET or a browser engine. No desktop
# entries either: a shortcut made under Wine must not become a menu entry of this machine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;${WINEDLLOVERRIDES:-}"
finish() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}
trap finish EXIT

# Making the prefix takes seconds; done once here, it does not count against the first test. The
# faces are replaced as read above.
wineboot -i >/dev/null 2>&1
for replacement in "${replacements[@]}"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%|*}" \
        /d "${replacement#*|}" /f >/dev/null 2>&1
done
# Xvfb runs no window manager, so Wine's windows are left unmanaged rather than waiting on one at
# every close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
status=0
"$@" || status=$?
wineserver -w
exit "$status"
