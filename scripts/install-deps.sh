#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for the given purpose: "run", "native" (the
# native build with its tests and benchmarks, not yet run, and the formatting and clang-tidy
# checks, which need nothing more), "windows" (the Windows program, cross-compiled, packaged and
# tried under Wine), "web" (the browser build, as WebAssembly, tried under Node.js, and its page in
# Chromium) or "test" (everything).
# Does nothing, and needs no privileges, when everything is already there.
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)
lint_packages=(clang-format clang-tidy)
test_packages=(
    libbenchmark-dev xvfb xauth x11-utils at-spi2-core dbus xdotool strace python3
    icoutils binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev file
    # Debian's rules for the package (lintian, the copyright's format) and its program's
    # protections (hardening-check, in devscripts).
    lintian python3-debian devscripts
    orca speech-dispatcher-espeak-ng
    # Qt 6.4 runs a program natively on Wayland once qt6-wayland is installed, so the window is
    # tried under weston's headless compositor, with Xwayland beside it and without.
    weston qt6-wayland xwayland
    # A dark desktop theme for the window to follow: GTK's, through Qt's GTK platform theme.
    qt6-gtk-platformtheme
)
# /usr/bin/wine comes from "wine", the 64-bit Wine itself from "wine64". Wine only recommends the X
# libraries below but loads them when it runs: Xrender to draw, XRandR and Xinerama for the
# monitors, XInput2 and Xfixes for the pointer.
windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 googletest nsis icoutils python3
    wine wine64 xvfb xauth xdotool imagemagick
    libxrender1 libxrandr2 libxinerama1 libxi6 libxfixes3 libxcursor1
)
# emscripten brings Node.js along; node-acorn is named because emcc's minifier needs it and the
# build points Node.js at it. The page's fonts are cut from fonts-liberation2 with fontTools (brotli
# for WOFF2), and its tests drive Chromium through Selenium.
web_packages=(cmake ninja-build emscripten node-acorn googletest
    python3 python3-fonttools python3-brotli fonts-liberation2
    chromium chromium-driver python3-selenium)
# The page's scenario runs in WebKitGTK too (Safari's engine, through its WebDriver), on a private
# Xvfb, and in Firefox ESR, spoken to in WebDriver BiDi over a WebSocket (Debian has no
# geckodriver): the engines a visitor may come with. Their screenshots are read with Pillow.
web_test_packages=(webkit2gtk-driver firefox-esr python3-websocket python3-pil xvfb xauth)

case "${1:-}" in
run) wanted=("${build_packages[@]}") ;;
native) wanted=("${build_packages[@]}" "${lint_packages[@]}" libbenchmark-dev googletest python3) ;;
windows) wanted=("${windows_packages[@]}") ;;
web) wanted=("${web_packages[@]}") ;;
test)
    wanted=("${build_packages[@]}" "${lint_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}"
        "${web_packages[@]}" "${web_test_packages[@]}")
    ;;
*)
    echo "usage: $0 run|native|windows|web|test" >&2
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
