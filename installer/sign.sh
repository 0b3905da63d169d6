#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# sign.sh <file>...: signs each Windows program in place with Debian's
# osslsigncode (Authenticode, SHA-256), with the code-signing certificate
# the environment names; without one it leaves them as they are.
#   STOROMER_SIGN_CERT       the certificate, with its chain (PEM or DER)
#   STOROMER_SIGN_KEY        its private key
#   STOROMER_SIGN_PASSFILE   a file holding the key's passphrase, if it has one
#   STOROMER_SIGN_TIMESTAMP  a time-stamp server, so that the signature
#                            outlives the certificate
set -euo pipefail
[ -n "${STOROMER_SIGN_CERT:-}" ] || exit 0
: "${STOROMER_SIGN_KEY:?names no key for STOROMER_SIGN_CERT}"
args=(-certs "$STOROMER_SIGN_CERT" -key "$STOROMER_SIGN_KEY" -h sha256 -n "Сторомер")
[ -z "${STOROMER_SIGN_PASSFILE:-}" ] || args+=(-readpass "$STOROMER_SIGN_PASSFILE")
[ -z "${STOROMER_SIGN_TIMESTAMP:-}" ] || args+=(-ts "$STOROMER_SIGN_TIMESTAMP")
for file in "$@"; do
    osslsigncode sign "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
done
