#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Builds the package a second time, later, from a copy of the same tree in
# another directory, and checks that it is byte for byte the package built
# in <build dir>/package by check_deb.sh.
#   check_reproducible.sh <source dir> <build dir> <C++ compiler> <build type>
set -euo pipefail
src=$1
build=$2
cxx=$3
type=$4
copy=$(mktemp -d /tmp/storomer-rebuild.XXXXXX)
trap 'rm -rf "$copy"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

first=$(ls "$build"/package/*.deb) || fail "no package in $build/package"
# Everything but the build trees; git's files come along, for the commit's date.
tar -C "$src" --exclude=./build --exclude=./out -cf - . | tar -C "$copy" -xf -
# The build tree sits where it sits in the first tree: paths inside the build
# are kept relative to the source, and so must match.
rel=$(realpath --relative-to="$src" "$build")
case "$rel" in ..*) rel=build ;; esac
cmake -S "$copy" -B "$copy/$rel" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
    -DCMAKE_CXX_COMPILER="$cxx" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$copy/$rel" >/dev/null
(cd "$copy/$rel" && cpack -G DEB -B "$copy/package" >/dev/null)
second=$(ls "$copy"/package/*.deb)

sum1=$(sha256sum <"$first" | cut -d' ' -f1)
sum2=$(sha256sum <"$second" | cut -d' ' -f1)
echo "$sum1  $first"
echo "$sum2  $second"
if [ "$sum1" != "$sum2" ]; then
    command -v diffoscope >/dev/null && diffoscope "$first" "$second" | head -n 60
    fail "two builds of one tree gave different packages"
fi
echo "PASS: the package is the same when built again in another directory"
