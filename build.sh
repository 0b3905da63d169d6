#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The quick start: installs what is missing from Debian, configures, builds, then
#   ./build.sh run    opens the window
#   ./build.sh test   runs every test, then all of them again under the sanitizers
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins fonts-liberation2)
# The sanitizer build uses Clang, so that both compilers build every change.
# file is what CPack's dependency scan needs; dbus-x11 brings the bus autolaunch
# that the program must not set off; devscripts has hardening-check; the AT-SPI
# packages let a test read the window as a screen reader does; the platform
# themes, DejaVu and setxkbmap give the desktops the window must work on;
# the start-up bench watches the X server through xcb-damage.
test_packages=(clang libclang-rt-14-dev xvfb xauth xdotool openbox wmctrl x11-utils
    x11-xkb-utils python3 dbus dbus-x11 at-spi2-core python3-pyatspi
    qt6-gtk-platformtheme qt6-xdgdesktopportal-platformtheme fonts-dejavu-core
    libxcb-damage0-dev desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file lintian
    devscripts)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing from Debian: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build <preset> [target]
build() {
    cmake --preset "$1"
    cmake --build --preset "$1" ${2:+--target "$2"}
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    build default storomer
    exec ./build/default/window/storomer
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build default
    ctest --preset default
    # The whole suite once more under AddressSanitizer and UBSan.
    build asan
    ctest --preset asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
