#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Checks the programs the project builds to run are hardened and load
# libraries only from the system's paths.
#   check_hardening.sh <program> [<program> ...]
#   check_hardening.sh --units <program>   every unit of the program compiled
#       with CET and stack clash protection, read from its debug information
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT

if [ "$1" = --units ]; then
    # hardening-check cannot say yes to these two on Debian 12: control flow
    # protection is marked only when every linked object has it, and Debian
    # 12's C start files (crt1.o, crti.o) lack it; stack clash protection is
    # recognised only by the probe loop of a variable-sized stack allocation,
    # which the program does not make. So they are proved from the compiler's record.
    program=$2
    producers=$(readelf --debug-dump=info "$program" | awk '/DW_AT_producer/ {p = $0} /DW_AT_name/ && p != "" {print $0 " <- " p; p = ""}' |
        grep -E 'DW_AT_name.*(window|runtime|calc)/[a-z0-9_/]+\.cpp')
    [ -n "$producers" ] || fail "$program: no debug information to read the compiler's flags from"
    while IFS= read -r unit; do
        for flag in -fcf-protection=full -fstack-clash-protection -fstack-protector-strong; do
            grep -q -- "$flag" <<<"$unit" || fail "not compiled with $flag: ${unit%% <- *}"
        done
    done <<<"$producers"
    echo "PASS: every unit of $program compiled with CET and stack clash protection"
    exit 0
fi

for bin in "$@"; do
    readelf -h "$bin" | grep -q 'Type:.*DYN' || fail "$bin: not a position-independent executable"
    readelf -lW "$bin" | grep -q 'GNU_RELRO' || fail "$bin: no RELRO segment"
    dynamic=$(readelf -dW "$bin")
    grep -Eq 'BIND_NOW|FLAGS.*NOW' <<<"$dynamic" || fail "$bin: RELRO is partial: no BIND_NOW"
    ! grep -Eq '\((RPATH|RUNPATH)\)' <<<"$dynamic" ||
        fail "$bin: has a run path: $(grep -E 'RPATH|RUNPATH' <<<"$dynamic")"

    # Started from a directory holding a copy of its Qt library, it still
    # takes the system's.
    widgets=$(ldd "$bin" | awk '/libQt6Widgets/ {print $3}')
    cp "$widgets" "$planted/"
    loaded=$(cd "$planted" && ldd "$bin" | awk '/libQt6Widgets/ {print $3}')
    [ "$loaded" = "$widgets" ] || fail "$bin: started in $planted, it loads $loaded"

    symbols=$(readelf --dyn-syms -W "$bin")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$bin: no stack protector"
    # Fortification swaps libc calls for their checking forms where it can; a
    # binary that calls a plain memcpy or sprintf beside none of those was not fortified.
    if ! grep -Eq '__[a-z]+_chk' <<<"$symbols" &&
        grep -Eq ' (memcpy|memmove|memset|strcpy|sprintf|snprintf|vsnprintf|printf|fprintf)(@|$)' <<<"$symbols"; then
        fail "$bin: libc calls are not fortified"
    fi
done

# Debian's own verdict on the program, line by line, since its releases
# differ in what they report and how: each feature must say yes, but those
# that --units proves from the compiler's record (control flow protection,
# stack clash protection) and those of another architecture (branch
# protection is arm64's).
program=$1
if command -v hardening-check >/dev/null; then
    report=$(hardening-check "$program") || true
    arch=$(readelf -h "$program" | sed -n 's/^ *Machine: *//p')
    judged=0
    while IFS=: read -r feature verdict; do
        feature=$(xargs <<<"$feature")
        case "$feature" in
        "Control flow integrity" | "Stack clash protection") continue ;;
        "Branch Protection") [[ $arch == *AArch64* ]] || continue ;;
        esac
        [[ $verdict == " yes"* ]] || fail "hardening-check: $feature:$verdict"
        judged=$((judged + 1))
    done < <(grep -E '^ [^:]+: ' <<<"$report")
    [ "$judged" -ge 5 ] || fail "hardening-check reported only $judged features: $report"
    echo "$report"
fi
echo "PASS: $* hardened, with no run path"
