#!/usr/bin/env bash
# Builds the Debian package from a configured build tree and checks it as a user would meet it:
# its files and dependencies, Debian's rules for a package (tests/package/check_deb_rules.sh), an
# install through apt-get, and the installed program starting headless and carrying every
# protection hardening-check looks for (tests/package/check_hardening.sh). The package and anything
# its install brought in are removed again afterwards. Installs take turns through the lock
# /tmp/ponderival-package.lock, which the script takes, or keeps when run under `flock` on it.
#
#   scripts/check-package.sh BUILD_DIR   (as root, or through sudo; a build with debug information,
#                                         such as build/ci)
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "usage: $0 BUILD_DIR (a configured build tree with CPackConfig.cmake)" >&2
    exit 2
fi
build=$(realpath "$1")
tests=$(dirname "$0")/../tests/package
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive

expected_files="usr/bin/ponderival
usr/share/applications/org.ponderival.Ponderival.desktop
usr/share/doc/ponderival/changelog.gz
usr/share/doc/ponderival/copyright
usr/share/icons/hicolor/128x128/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/16x16/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/24x24/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/256x256/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/32x32/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/48x48/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/64x64/apps/org.ponderival.Ponderival.png
usr/share/icons/hicolor/scalable/apps/org.ponderival.Ponderival.svg
usr/share/man/man6/ponderival.6.gz
usr/share/metainfo/org.ponderival.Ponderival.metainfo.xml"

fail() {
    echo "check-package: $*" >&2
    exit 1
}

need() { # TOOL DEBIAN_PACKAGE
    command -v "$1" >/dev/null 2>&1 || fail "missing tool: $1 is not installed (Debian package $2)"
}

# Installs system-wide cannot overlap: each run would remove what the other is testing. Under
# `flock LOCK` the lock is already held on an inherited descriptor, and taken again through it.
take_install_lock() {
    local lock=/tmp/ponderival-package.lock fd
    for fd in "/proc/$$/fd"/*; do
        if [ "$(readlink "$fd")" = "$lock" ]; then
            flock "${fd##*/}"
            return
        fi
    done
    # Opened for reading: /tmp lets no one open another user's file for writing.
    [ -e "$lock" ] || : >>"$lock"
    exec {fd}<"$lock"
    flock "$fd"
}

installed_packages() {
    dpkg-query -W -f='${db:Status-Status} ${binary:Package}\n' | sed -n 's/^installed //p' | sort
}

# Removes the package and whatever its install pulled in, so the machine is left as it was.
restore_machine() {
    if dpkg-query -W -f='${db:Status-Status}' ponderival 2>/dev/null | grep -qx installed; then
        "${as_root[@]}" apt-get remove -y -q ponderival </dev/null >/dev/null
    fi
    local added
    added=$(comm -13 "$work/before.txt" <(installed_packages))
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086 # one package name per word
        "${as_root[@]}" apt-get remove -y -q $added </dev/null >/dev/null
    fi
    rm -rf "$work"
}

package_names() { # the names in a Depends field, without versions or alternatives' bars
    sed 's/[,|]/\n/g' | sed 's/^ *//; s/[ (].*//' | sort -u
}

check_package() { # DEB
    local files depends
    files=$(dpkg-deb -c "$1" | awk '{ print $6 }' | grep -v '/$' | sed 's|^\./||' | sort)
    [ "$files" = "$expected_files" ] ||
        fail "unexpected files (- expected, + packaged):"$'\n'"$(diff <(echo "$expected_files") <(echo "$files"))"
    [ "$(dpkg-deb -f "$1" Package)" = ponderival ] || fail "the package is not named ponderival"
    depends=$(dpkg-deb -f "$1" Depends | package_names)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
        grep -qx "$needed" <<<"$depends" || fail "Depends does not name $needed: $depends"
    done
}

run_installed_program() {
    [ -x /usr/bin/ponderival ] || fail "/usr/bin/ponderival was not installed"
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/ponderival </dev/null || status=$?
    # Still running when timeout stopped it means the window came up and waited for the user.
    [ "$status" -eq 124 ] || fail "/usr/bin/ponderival ended on its own with status $status"
}

for tool in cmake:cmake cpack:cmake dpkg-deb:dpkg flock:util-linux; do
    need "${tool%:*}" "${tool#*:}"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    fail "cpack failed:"$'\n'"$(cat "$work/cpack.log")"
debs=("$work"/ponderival_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single ponderival_*.deb"
fi
deb=${debs[0]}
check_package "$deb"
bash "$tests/check_deb_rules.sh" "$deb" "$build/description.json"
# Unstripped, so that its debug information tells how each of its parts was compiled.
cmake --install "$build" --prefix "$work/unstripped" >/dev/null

take_install_lock
if dpkg-query -W -f='${db:Status-Status}' ponderival 2>/dev/null | grep -qx installed; then
    fail "a ponderival package is already installed; remove it first (apt-get remove ponderival)"
fi
installed_packages >"$work/before.txt"
trap restore_machine EXIT
"${as_root[@]}" apt-get install -y -q "$deb" </dev/null >"$work/apt.log" ||
    fail "apt-get install failed:"$'\n'"$(cat "$work/apt.log")"
run_installed_program
bash "$tests/check_hardening.sh" /usr/bin/ponderival "$work/unstripped/bin/ponderival"

echo "Package $(basename "$deb"), Depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -c "$deb"
echo "check-package: passed"
