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
description=${PONDERIVAL_DESCRIPTION:-$(dirname "$0")/../build/windows/description.json}
mapfile -t replacements < <(python3 - "$description" <<'PYTHON'
import json, sys
path = sys.argv[1]
try:
    with open(path, encoding="utf-8") as file:
        faces = json.load(file)["faces"]
    for face in faces:
        print(f"{face['scalable']}|{face['substitute']}")
except (OSError, ValueError, KeyError, TypeError) as error:
    sys.exit(f"with-wine.sh: no faces in {path} ({error!r}): build the Windows program first "
             "(scripts/build-windows.sh), or set PONDERIVAL_DESCRIPTION to a description.json")
PYTHON
)
if [ "${#replacements[@]}" -eq 0 ]; then
    echo "$0: no faces read from $description" >&2
    exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
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
