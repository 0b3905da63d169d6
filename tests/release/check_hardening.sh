#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Checks the program's binary is hardened: PIE, full RELRO, stack protector,
# fortified libc calls.   check_hardening.sh <binary>
set -euo pipefail
bin=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

readelf -h "$bin" | grep -q 'Type:.*DYN' || fail "not a position-independent executable"
readelf -lW "$bin" | grep -q 'GNU_RELRO' || fail "no RELRO segment"
readelf -dW "$bin" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "RELRO is partial: no BIND_NOW"
symbols=$(readelf --dyn-syms -W "$bin")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"
# Fortification swaps libc calls for their checking forms where it can; a
# binary that calls a plain memcpy or sprintf beside none of those was not fortified.
if ! grep -Eq '__[a-z]+_chk' <<<"$symbols" &&
    grep -Eq ' (memcpy|memmove|memset|strcpy|sprintf|snprintf|vsnprintf|printf|fprintf)(@|$)' <<<"$symbols"; then
    fail "libc calls are not fortified"
fi
echo "PASS: $bin is PIE with full RELRO, stack protector and fortified calls"
