#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# How CTest runs a Windows test suite: under Wine, in the WINEPREFIX the
# caller chose, without Wine's own chatter, on an Xvfb of its own (Qt for
# Windows draws on a real display only, and two suites on one display
# without a window manager take each other's focus). What a QTest program
# writes to its standard output does not get through Wine, so its report goes
# to a file, printed here.
set -u
export WINEDEBUG=-all
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 300); do
    if grep -q . "$scratch/display"; then break; fi
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$scratch/display")
rc=0
wine "$@" -o "$(winepath -w "$scratch/report"),txt" || rc=$?
cat "$scratch/report"
exit "$rc"
