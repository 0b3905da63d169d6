#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Runs a README command (./build.sh test unless given) on Debian 13 from a
# Debian 12 machine: in a minimal Debian 13 chroot that is made once into the
# cache (debootstrap, a few minutes) and kept there with whatever the command
# installed into it. Each run gets the work tree's tracked files anew, so no
# build of an earlier run is reused. Needs root.
#   .ci/debian13.sh ['./build.sh test']
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:-./build.sh test}
cache=${STOROMER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/storomer}
root=$cache/debian13
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (chroot, mount)" >&2; exit 1; }

if [ ! -e "$root/.made" ]; then
    command -v debootstrap >/dev/null ||
        { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap; }
    # The machine's own Debian mirror, from either form of apt's sources (a
    # machine with no .sources file makes sed fail, which must not end us).
    mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1) || true
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
    echo "Making a Debian 13 chroot in $root (once) from $mirror"
    rm -rf "$root.tmp"
    mkdir -p "$cache"
    debootstrap --variant=minbase trixie "$root.tmp" "$mirror" >"$cache/debian13-debootstrap.log" 2>&1 ||
        { tail -n 20 "$cache/debian13-debootstrap.log" >&2; exit 1; }
    rm -rf "$root"
    mv "$root.tmp" "$root"
    touch "$root/.made"
fi

cleanup() {
    # Whatever the command left running in the chroot (buses, speech) holds its mounts.
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    sleep 1
    for m in dev/shm dev/pts dev proc; do
        if mountpoint -q "$root/$m"; then umount -l "$root/$m"; fi
    done
}
trap cleanup EXIT
cleanup
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
# A real machine's /dev/shm is a tmpfs every user may write (Wayland compositors need it).
mount --make-private "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
# A clean /tmp and project, as a new machine has them.
find "$root/tmp" -mindepth 1 -delete
rm -rf "$root/home/user/project"
mkdir -p "$root/home/user/project"
git -C "$src" ls-files -z | tar -C "$src" --null -T - -cf - | tar -C "$root/home/user/project" -xf -
SECONDS=0
rc=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 ${CI:+CI=$CI} \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /home/user/project && $cmd" || rc=$?
echo "Debian 13: '$cmd' exited $rc after ${SECONDS}s"
exit $rc
