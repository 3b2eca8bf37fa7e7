#!/usr/bin/env bash
# Makes the Windows packages from a build tree and meets them as a user would, under Wine: the zip
# holds the program file alone; the installer speaks Italian, installs silently for the current
# user into the expected places, with its Start-menu shortcut and its entry among the installed
# programs; the program starts from the shortcut and closes through cmdEsc with status 0; a silent
# uninstall takes all of it away again.
#
#   check_installer.sh BUILD_DIR VERSION
#
# Under scripts/with-wine.sh (as when CTest runs inside it) the prefix and display are reused;
# otherwise the script runs itself under with-wine.sh, with a prefix and display of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../support/testlib.sh
. "$here/../support/testlib.sh"
build=$(realpath "$1") version=$2

require_tool cpack:cmake makensis:nsis wine:wine64 xdotool:xdotool python3:python3
case "${WINEPREFIX:-}" in
*/ponderival-wine.*) [ -n "${DISPLAY:-}" ] || fail "a Wine prefix from with-wine.sh but no DISPLAY" ;;
*) exec "$here/../../scripts/with-wine.sh" bash "$0" "$@" ;;
esac

make_work_folder
installer_name=Ponderival-$version-win64.exe
publisher="Gli sviluppatori di Ponderival"

# shellcheck source-path=SCRIPTDIR source=installersteps.sh
. "$here/installersteps.sh"

make_packages
check_zip
snapshot "$work/before"
check_italian_pages
install_silently
check_installed_files
check_uninstall_entry
check_shortcut
run_from_shortcut
uninstall_silently
check_nothing_left
echo "PASS: $installer_name installs, starts, closes with status 0 and uninstalls cleanly"
