#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Builds the release twice (./build.sh release), from two copies of the tree
# in directories of different names and depths, and checks that both give
# the same files, byte for byte, and nothing else; then signs the exe and
# the installer as a release with a certificate does, with a throwaway one
# made here, and checks that osslsigncode accepts both and that signing
# changed none of the unsigned bytes but the two header fields it must.
#   check_release.sh <source dir> <version>
set -euo pipefail
src=$1
v=$2
work=$(mktemp -d /tmp/storomer-release.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for copy in one two/levels; do
    mkdir -p "$work/$copy"
    tar -C "$src" --exclude=./build --exclude=./dist --exclude=./out -cf - . | tar -C "$work/$copy" -xf -
    (cd "$work/$copy" && ./build.sh release >"$work/release.log" 2>&1) ||
        fail "./build.sh release in $work/$copy: $(tail -n 20 "$work/release.log")"
done
one=$work/one/dist two=$work/two/levels/dist
expected="SHA256SUMS storomer-$v-setup.exe storomer-$v.exe storomer_${v}_amd64.deb"
[ "$(cd "$one" && ls | paste -sd' ')" = "$expected" ] || fail "dist/ holds: $(ls "$one")"
paste "$one/SHA256SUMS" "$two/SHA256SUMS"
cmp "$one/SHA256SUMS" "$two/SHA256SUMS" || fail "two builds of one commit differ"
(cd "$two" && sha256sum --quiet -c SHA256SUMS) || fail "the files are not those SHA256SUMS names"
[ "$(stat -c %s "$one/storomer-$v-setup.exe")" -le "$(stat -c %s "$one/storomer-$v.exe")" ] ||
    fail "the installer is larger than the exe it carries"

cd "$work"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Storomer test signer" \
    -addext extendedKeyUsage=codeSigning -keyout key.pem -out cert.pem 2>/dev/null
for file in "storomer-$v.exe" "storomer-$v-setup.exe"; do
    cp "$one/$file" "signed-$file"
    STOROMER_SIGN_CERT=cert.pem STOROMER_SIGN_KEY=key.pem "$src/installer/sign.sh" "signed-$file"
    osslsigncode verify -CAfile cert.pem -in "signed-$file" >verify.log 2>&1 ||
        fail "osslsigncode does not accept signed $file: $(tail -n 5 verify.log)"
    # The bytes of the unsigned file are all there, but the PE checksum and
    # the certificate table's entry; the signature follows them.
    header=$(od -An -tu4 -j60 -N4 "$one/$file" | tr -d ' ')
    { cmp -l "$one/$file" "signed-$file" 2>/dev/null || true; } |
        awk -v sum=$((header + 89)) -v table=$((header + 169)) \
            '!($1 >= sum && $1 < sum + 4) && !($1 >= table && $1 < table + 8) { bad = 1 } END { exit bad }' ||
        fail "signing $file changed bytes of the program"
done
echo "PASS: the release is the same from two directories, and signs"
