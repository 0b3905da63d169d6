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
scratch=$(mktemp -d)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
wineserver -k 2>/dev/null
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb=$!
wm=
trap 'wineserver -k 2>/dev/null; kill $wm "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 300); do
    if grep -q . "$scratch/display"; then break; fi
    sleep 0.1
done
grep -q . "$scratch/display" || fail "Xvfb gave no display within 30 s"
export DISPLAY=:$(head -n 1 "$scratch/display")
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 300); do
    if wmctrl -m >/dev/null 2>&1; then break; fi
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "no window manager on $DISPLAY within 30 s"
report=$(timeout 30 winepath -w "$scratch/report")
[ -n "$report" ] || fail "winepath did not answer within 30 s"
rc=0
wine "$@" -o "$report,txt" || rc=$?
cat "$scratch/report"
exit "$rc"
