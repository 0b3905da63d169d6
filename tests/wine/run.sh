#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# How CTest runs a Windows test suite: under Wine, in the WINEPREFIX the
# caller chose, without Wine's own chatter. What a QTest program writes to
# its standard output does not get through Wine, so its report goes to a
# file, printed here.
set -u
export WINEDEBUG=-all
report=$(mktemp)
trap 'rm -f "$report"' EXIT
rc=0
wine "$@" -o "$(winepath -w "$report"),txt" || rc=$?
cat "$report"
exit "$rc"
