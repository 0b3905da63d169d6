#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Start-up and size of the Windows program next to a bare window built from
# the same static Qt, both under Wine:
#   bench/startup-wine.sh [rounds]   (default 10; after ./build.sh windows)
# Round by round, under one Xvfb with no window manager, the time from exec to
# the window being visible, polled every 5 ms; Wine's server is started anew
# each time, as for a user's first start. Prints medians and min-max.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
rounds=${1:-10}
cache=${STOROMER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/storomer}
export WINEPREFIX=$cache/wine WINEDEBUG=-all
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
until grep -q . "$scratch/display"; do sleep 0.05; done
export DISPLAY=:$(head -n 1 "$scratch/display")

# Milliseconds from exec of wine "$2" to its window titled $1 being visible.
measure() {
    local t0 t1 p
    t0=$(date +%s%N)
    wine "$2" >/dev/null 2>&1 &
    p=$!
    until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do sleep 0.005; done
    t1=$(date +%s%N)
    kill "$p" 2>/dev/null
    wineserver -k 2>/dev/null || true
    wait "$p" 2>/dev/null || true
    echo $(((t1 - t0) / 1000000))
}
stats() { sort -g | awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "median %s ms [%s-%s]\n", m, v[1], v[NR] }'; }

exe=build/windows/storomer.exe bare=build/windows/storomer_barewindow.exe
measure Сторомер "$exe" >/dev/null # not counted: the page cache and Wine's prefix warm up
measure bare "$bare" >/dev/null
for ((r = 0; r < rounds; r++)); do
    echo "$(measure Сторомер "$exe") $(measure bare "$bare")"
done >"$scratch/results"
echo "$rounds rounds; storomer.exe $(stat -c %s "$exe") bytes, bare window $(stat -c %s "$bare") bytes"
echo "storomer.exe: $(cut -d' ' -f1 "$scratch/results" | stats)"
echo "bare window:  $(cut -d' ' -f2 "$scratch/results" | stats)"
