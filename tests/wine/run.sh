#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# How CTest runs a Windows test suite: under Wine, in the WINEPREFIX the
# caller chose, without Wine's own chatter, on an Xvfb of its own with a
# window manager (Qt for Windows draws on a real display only; two suites on
# one display take each other's focus, and without a window manager a closed
# box does not give it back). What a QTest program
# writes to its standard output does not get through Wine, so its report goes
# to a file, printed here.
set -u
export WINEDEBUG=-all
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb=$!
wm=
trap 'kill $wm "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 300); do
    if grep -q . "$scratch/display"; then break; fi
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$scratch/display")
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 300); do
    if wmctrl -m >/dev/null 2>&1; then break; fi
    sleep 0.1
done
rc=0
wine "$@" -o "$(winepath -w "$scratch/report"),txt" || rc=$?
cat "$scratch/report"
exit "$rc"
