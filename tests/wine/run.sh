#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# How CTest runs a Windows test suite: under Wine, in the WINEPREFIX the
# caller chose, without Wine's own chatter, on an Xvfb of its own with a
# window manager (Qt for Windows draws on a real display only; two suites on
# one display take each other's focus, and without a window manager a closed
# box does not give it back). Each suite has a Wine session of its own, on
# that display: one left from before, whose display may be gone or never
# was, is ended first, and this one ends with the suite. What a QTest program
# writes to its standard output does not get through Wine, so its report goes
# to a file, printed here.
set -u
export WINEDEBUG=-all
# shellcheck source=../e2e/session.sh
. "$(dirname "$0")/../e2e/session.sh"
wineserver -k 2>/dev/null
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
unset DISPLAY
start_session
report=$(timeout 30 winepath -w "$scratch/report")
[ -n "$report" ] || fail "winepath did not answer within 30 s"
rc=0
wine "$@" -o "$report,txt" || rc=$?
cat "$scratch/report"
exit "$rc"
