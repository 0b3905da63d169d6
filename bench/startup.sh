#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Start-up benchmark: bench/startup.sh [runs]   (default 20)
# Starts the program, and a bare Qt window as the floor, under one Xvfb, and
# measures for each run the time from exec to its window being mapped and the
# resident memory once it is shown. Needs what `./build.sh test` installs.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
runs=${1:-20}

cmake --preset default >/dev/null
cmake --build --preset default --target storomer storomer_barewindow >/dev/null

scratch=$(mktemp -d)
chmod 700 "$scratch"
# A display that no server, running or gone, still claims.
n=100
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
# -noreset: the server must not restart, refusing clients, each time the last one leaves.
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=:$n
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR=$scratch

# Prints "milliseconds rss_kib" for one start of $1.
one_run() {
    local start end pid rss
    start=$(date +%s%N)
    "$1" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || return 1
    done
    end=$(date +%s%N)
    sleep 0.2 # the first frame is drawn, its memory is in place
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $rss"
}

# Prints median and min-max of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median %s, min %s, max %s", m, v[1], v[NR] }'
}

# One start of each, not counted: it puts the libraries in the page cache, as
# on a desktop that has run Qt before.
for program in build/default/window/storomer build/default/bench/storomer_barewindow; do
    one_run "$program" >/dev/null
done

echo "start-up to mapped window over $runs runs, on $(nproc) cores of $(uname -m):"
for program in build/default/window/storomer build/default/bench/storomer_barewindow; do
    results=$(for _ in $(seq "$runs"); do
        one_run "$program" || { echo "$program did not start" >&2; exit 1; }
    done)
    printf '%-40s time (ms): %s; RSS (KiB): %s\n' "$(basename "$program")" \
        "$(cut -d' ' -f1 <<<"$results" | summary)" "$(cut -d' ' -f2 <<<"$results" | summary)"
done
