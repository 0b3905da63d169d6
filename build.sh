#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The quick start: installs what is missing from Debian, configures, builds, then
#   ./build.sh run      opens the window
#   ./build.sh test     runs every test, then all of them again under the sanitizers,
#                       and the Windows program under Wine where Qt for Windows is built
#   ./build.sh windows  builds storomer.exe (and once, Qt for Windows) and tests it under Wine
#   ./build.sh windows-qt  only builds Qt for Windows into its cache, once
#   ./build.sh release  writes dist/: the installer, the portable exe, the .deb, SHA256SUMS
#   ./build.sh packages only installs what run and test need (CI does it first)
# The same on Debian 12 and Debian 13: every package name below is in both;
# but the Windows program is built on Debian 13's Qt 6.8 only.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

build_packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-qpa-plugins fonts-liberation2)
# The sanitizer build uses Clang, so that both compilers build every change.
# file is what CPack's dependency scan needs; dbus-x11 brings the bus autolaunch
# that the program must not set off; devscripts has hardening-check; the AT-SPI
# packages let a test read the window as a screen reader does; the platform
# themes, DejaVu and setxkbmap give the desktops the window must work on;
# the start-up bench watches the X server through xcb-damage; Orca speaks
# through speech-dispatcher; xclip reads the clipboard; sway and weston are
# the Wayland compositors the window is proved on, grim and ImageMagick read
# their screens, jq sway's tree.
test_packages=(clang libclang-rt-dev xvfb xauth xdotool openbox wmctrl x11-utils
    x11-xkb-utils xclip python3 dbus dbus-x11 at-spi2-core python3-pyatspi
    qt6-gtk-platformtheme qt6-xdgdesktopportal-platformtheme fonts-dejavu-core
    libxcb-damage0-dev desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file lintian
    devscripts orca speech-dispatcher speech-dispatcher-espeak-ng qt6-wayland sway grim wtype
    wl-clipboard weston imagemagick jq)

# Qt for Windows is built from the Qt source Debian builds its own from, with
# Debian's MinGW-w64, once into a cache outside the work tree; a changed Qt
# version or option list gives a new cache directory.
# NSIS builds the installer, osslsigncode signs a release.
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev qt6-base-dev-tools dpkg-dev
    ninja-build cmake ccache wine wine64 xvfb xauth xdotool openbox wmctrl x11-utils x11-xkb-utils xclip
    nsis osslsigncode)
cache=${STOROMER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/storomer}
# Built for size, with what the program and its tests never use left out: no
# image-format plugins (the exe's icon is in its resource script, the window's
# is compiled in), no FreeType (Windows draws text itself), no MIME types,
# and none of the dialogs and widgets that neither the window nor the Windows
# styles need (Qt workaround, until a Qt after 6.8, recheck on each upgrade:
# Qt 6.8's Windows styles do not build without the item views, spin boxes and
# input dialog, text editors, tab bar, main window and tool bar, command link
# button, and the graphics view, whose drop shadow the Windows 11 style gives
# its menus; nor link without style sheets, whose text the Windows 11 style
# reads). Nor what the window never does: processes, time zones, other
# calendars, gestures, completion, file models and watchers, dock widgets,
# What's This, pictures, HTML, XML streams, PPM and XBM images (its icon is an
# XPM); drag and drop stays, as Qt's Windows clipboard offers nothing without
# it. No HarfBuzz: the window's text is Russian and digits, which Windows'
# font engine maps glyph by glyph (kerning pairs are not applied). No Intel
# CET landing pads, which Windows does not use.
# QRegularExpression stays, as Qt 6.8's Core does not configure without
# PCRE2, but without its JIT compiler: the window matches no patterns. Every
# function of a Qt object linked stays in the exe (MinGW's linker keeps all
# unwind tables), so only what is left out of Qt makes it smaller.
# Qt Test is in, so that the suites run under Wine. No SBOM: Qt's does not
# configure with features left out, and none is shipped.
windows_qt_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_GENERATE_SBOM=OFF
    -DFEATURE_optimize_size=ON -DFEATURE_testlib=ON
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF -DFEATURE_movie=OFF
    -DFEATURE_freetype=OFF -DFEATURE_mimetype_database=OFF -DFEATURE_avx512f=OFF
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF -DFEATURE_undocommand=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF
    -DFEATURE_style_fusion=OFF
    -DFEATURE_mdiarea=OFF -DFEATURE_toolbox=OFF -DFEATURE_splitter=OFF -DFEATURE_splashscreen=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_wizard=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_scroller=OFF -DFEATURE_statusbar=OFF -DFEATURE_filedialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF -DFEATURE_textbrowser=OFF
    -DFEATURE_fontcombobox=OFF -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_intelcet=OFF -DFEATURE_harfbuzz=OFF -DCMAKE_C_FLAGS=-DPCRE2_DISABLE_JIT
    -DFEATURE_gestures=OFF -DFEATURE_completer=OFF -DFEATURE_filesystemmodel=OFF
    -DFEATURE_filesystemwatcher=OFF -DFEATURE_hijricalendar=OFF -DFEATURE_jalalicalendar=OFF
    -DFEATURE_timezone=OFF -DFEATURE_datetimeparser=OFF -DFEATURE_sha3_fast=OFF
    -DFEATURE_process=OFF -DFEATURE_xmlstream=OFF -DFEATURE_mimetype=OFF -DFEATURE_permissions=OFF
    -DFEATURE_texthtmlparser=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_picture=OFF -DFEATURE_whatsthis=OFF -DFEATURE_imageformat_ppm=OFF
    -DFEATURE_imageformat_xbm=OFF)

# Qt 6.8 LTS or newer: Debian 13's. Debian 12's Qt 6.4 is out of support,
# so there the Windows program is built in Debian 13 (.ci/debian13.sh).
windows_qt_dir() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) || return 1
    dpkg --compare-versions "$version" ge 6.8 || return 1
    echo "$cache/windows-qt-$(printf '%s\n' "$version" "${windows_qt_options[@]}" | sha256sum | cut -c1-12)"
}

# Builds Qt for Windows into the cache unless it is there.
windows_qt() {
    local dir version apt
    dir=$(windows_qt_dir) || {
        echo "The Windows program is built on Debian 13's Qt 6.8, and this machine has Qt" \
            "$(dpkg-query -W -f='${Version}' qt6-base-dev-tools). On Debian 12, as root:" \
            ".ci/debian13.sh './build.sh ${1:-windows}'" >&2
        exit 1
    }
    [ -x "$dir/qt/bin/qt-cmake" ] && return 0
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    echo "Building Qt $version for Windows into $dir (once; about 30 minutes on 2 cores)"
    mkdir -p "$dir"
    if [ ! -d "$dir/src" ]; then
        # The source from the machine's own Debian sources, through a private
        # apt state: the system's apt configuration stays as it is.
        apt=$dir/apt
        mkdir -p "$apt/lists/partial" "$apt/parts" "$apt/dl"
        # Both forms apt reads: one-line lists and deb822 .sources files.
        local f
        for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            if [ -f "$f" ]; then sed -n 's/^deb[[:space:]]/deb-src /p' "$f"; fi
        done >"$apt/sources.list"
        for f in /etc/apt/sources.list.d/*.sources; do
            if [ -f "$f" ]; then sed -n '/^Types:.*deb/,/^$/p' "$f"; fi
        done | sed 's/^Types: .*/Types: deb-src/' >"$apt/parts/debian-src.sources"
        local opts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
            -o Dir::State::Lists="$apt/lists")
        apt-get "${opts[@]}" update -q
        (cd "$apt/dl" && apt-get "${opts[@]}" source --download-only "qt6-base=$version")
        dpkg-source -x "$apt/dl"/qt6-base_*.dsc "$dir/src.tmp"
        mv "$dir/src.tmp" "$dir/src"
    fi
    cat >"$dir/toolchain.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
    cmake -S "$dir/src" -B "$dir/qtbuild" "${windows_qt_options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$dir/toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$dir/qt"
    cmake --build "$dir/qtbuild"
    cmake --install "$dir/qtbuild"
    rm -rf "$dir/qtbuild"
}

# Builds build/windows/storomer.exe and the test suites against the
# cached Qt, and runs them under Wine through CTest.
windows() {
    local dir
    dir=$(windows_qt_dir)
    "$dir/qt/bin/qt-cmake" -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
    cmake --build build/windows
    # The suites' prefix, kept in the cache, is made anew on every run and
    # with no display, as on a new machine, so that a suite that relies on
    # an earlier one or on the display it was made on fails here first; the
    # Wine scenario makes its own beside it.
    export WINEPREFIX=$cache/wine
    env -u DISPLAY tests/wine/prefix.sh "$WINEPREFIX"
    # One at a time: the suites share Wine's prefix, and under load Wine now
    # and then loses a click or the focus.
    ctest --test-dir build/windows --output-on-failure --no-tests=error
}

# The release: every file of this version in dist/ and SHA256SUMS over them,
# each built anew and dated by the last commit, so that any clone of the same
# commit gives the same bytes; signed where the environment names a
# certificate (installer/sign.sh), the installer after the exe it carries.
release() {
    local lin=build/release/linux win=build/release/windows setup version
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=$(stat -c %Y CMakeLists.txt)
    export SOURCE_DATE_EPOCH
    rm -rf build/release dist
    cmake -S . -B "$lin" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    cmake --build "$lin"
    (cd "$lin" && cpack -G DEB -B "$PWD/package")
    "$(windows_qt_dir)/qt/bin/qt-cmake" -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF
    cmake --build "$win" --target storomer
    installer/sign.sh "$win/storomer.exe"
    cmake --build "$win" --target installer
    setup=$(echo "$win"/installer/storomer-*-setup.exe)
    installer/sign.sh "$setup"
    version=${setup##*/storomer-}
    version=${version%-setup.exe}
    mkdir dist
    cp "$setup" "$lin"/package/*.deb dist/
    cp "$win/storomer.exe" "dist/storomer-$version.exe"
    (cd dist && sha256sum -- * >SHA256SUMS && cat SHA256SUMS)
}

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

# The program's and the tests' compilations are kept in the cache, outside the
# work tree, so a clone of a commit in the same place (CI's, Debian 13's
# chroot) compiles only what changed. Keyed by the full paths, so that what
# comes from the cache is byte for byte what the compiler would give there,
# and given to CMake, not set in the environment, so that the checks that
# build the package again compile anew. Not the release: it is compiled anew
# from its source alone.
launcher=()
compile_cache() {
    command -v ccache >/dev/null || return 0
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_DIR=${CCACHE_DIR:-$cache/ccache}
}

# build <preset> [target]
build() {
    cmake --preset "$1" "${launcher[@]}"
    cmake --build --preset "$1" ${2:+--target "$2"}
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    compile_cache
    build default storomer
    exec ./build/default/app/storomer
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    compile_cache
    build default
    ctest --preset default
    # The whole suite once more under AddressSanitizer and UBSan.
    build asan
    ctest --preset asan
    if dir=$(windows_qt_dir) && [ -x "$dir/qt/bin/qt-cmake" ]; then
        install_missing "${windows_packages[@]}"
        windows
    else
        echo "The Windows program is not tested: build Qt for Windows once with ./build.sh windows" \
            "(on Debian 13; on Debian 12 see the README)."
    fi
    ;;
windows)
    install_missing "${windows_packages[@]}"
    windows_qt windows
    compile_cache
    windows
    ;;
windows-qt)
    install_missing "${windows_packages[@]}"
    windows_qt windows-qt
    ;;
release)
    install_missing "${build_packages[@]}" "${windows_packages[@]}" file
    windows_qt release
    release
    ;;
packages)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    ;;
*)
    echo "usage: $0 run|test|windows|windows-qt|release|packages" >&2
    exit 2
    ;;
esac
