#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Compiles the Windows resource script with MinGW's windres and checks that
# the version strings, the name and the icon made it in, in UTF-16 as Windows
# reads them; the version and the name (the window's title) as the window's
# facts tool gives them.
#   check_windows_resources.sh <windres> <storomer.rc> <window facts tool>
set -euo pipefail
windres=$1
rc=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# shellcheck source=../facts/facts.sh
. "$(dirname "$0")/../facts/facts.sh"
window_facts "$3" "$out"

"$windres" --preprocessor=cpp -i "$rc" -O coff -o "$out/storomer.res"

utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 | tr -d ' \n'; }
bytes=$(od -An -tx1 "$out/storomer.res" | tr -d ' \n')
for text in "$version" "$title" "040904B0" "storomer.exe"; do
    case "$bytes" in
    *"$(utf16 "$text")"*) ;;
    *) echo "FAIL: '$text' is not in the compiled resources" >&2; exit 1 ;;
    esac
done
# FILEVERSION 1,0,0,0 as the fixed block stores it: 0x00010000 then 0x00000000.
case "$bytes" in
*bd04effe0000010000000100000000000000010000000000*) ;;
*) echo "FAIL: no fixed version block for 1.0.0.0" >&2; exit 1 ;;
esac
echo "PASS: the resource script compiles with version $version and its icon"
