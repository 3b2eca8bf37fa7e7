#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for the given purpose ("run" or "test").
# Does nothing, and needs no privileges, when everything is already there.
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)
test_packages=(
    libbenchmark-dev xvfb xauth at-spi2-core dbus xdotool strace python3
    clang-format clang-tidy
    icoutils binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev file
)

case "${1:-}" in
run) wanted=("${build_packages[@]}") ;;
test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q </dev/null
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
