#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package into <build dir>/package, unpacks it into a scratch
# root and checks that everything is where the .desktop file and the metainfo
# say, with the manual page and the Debian documents beside them.
#   check_deb.sh <build dir> <application id> <window facts tool>
set -euo pipefail
build=$1
id=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=../facts/facts.sh
. "$(dirname "$0")/../facts/facts.sh"
window_facts "$3" "$out"

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
rm -rf "$build/package/_CPack_Packages"
deb=$(ls "$build"/package/*.deb)
dpkg-deb -x "$deb" "$out/root"
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = storomer ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version), the window's $version"
[ "$(field Section)" = math ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

desktop="$out/root/usr/share/applications/$id.desktop"
[ -f "$desktop" ] || fail "no $id.desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$out/root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
! readelf -dW "$out/root/usr/bin/$exec_name" | grep -Eq '\((RPATH|RUNPATH)\)' ||
    fail "the packaged program has a run path"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32x32 64x64; do
    [ -f "$out/root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon $icon"
done
[ -f "$out/root/usr/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo"
desktop-file-validate "$desktop"

man=$out/root/usr/share/man/man1/$exec_name.1.gz
[ -f "$man" ] || fail "no manual page $exec_name(1)"
zcat "$man" | grep -q '^\.SH EXIT STATUS' || fail "the manual page gives no exit status"
for doc in copyright changelog.gz; do
    [ -f "$out/root/usr/share/doc/storomer/$doc" ] || fail "no /usr/share/doc/storomer/$doc"
done
echo "PASS: $(basename "$deb") installs /usr/bin/$exec_name, its menu entry, icons, metainfo and manual page"
