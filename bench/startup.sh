#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# Start-up benchmark:  bench/startup.sh [rounds] [other program ...]   (default 20 rounds)
# Starts storomer and its two floors, a bare Qt window and the same controls as
# stock Qt widgets, built by the same CMake, round by round in turn under one
# Xvfb with no window manager. For each it measures the time from exec to its
# window being mapped and to its first frame painted (X DAMAGE), and its
# resident memory once shown; it prints median and min-max of each, and the
# ratios of storomer to the stock-widget floor. Other programs given after the
# number of rounds (an older build of storomer, say) join every round.
# Needs what `./build.sh test` installs.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
rounds=${1:-20}
shift || true

cmake --preset default >/dev/null
cmake --build --preset default \
    --target storomer storomer_barewindow storomer_stockwindow storomer_startwatch >/dev/null
programs=(build/default/app/storomer build/default/bench/storomer_stockwindow
    build/default/bench/storomer_barewindow "$@")
watch=build/default/bench/storomer_startwatch

scratch=$(mktemp -d)
chmod 700 "$scratch"
# -noreset: the server must not restart, refusing clients, each time the last one leaves.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
until grep -q . "$scratch/display"; do sleep 0.05; done
export DISPLAY=:$(head -n 1 "$scratch/display")
export XDG_RUNTIME_DIR=$scratch

# One start of each, not counted: it puts the libraries in the page cache, as
# on a desktop that has run Qt before.
for p in "${programs[@]}"; do "$watch" "$p" >/dev/null; done

# Round r starts the programs in turn, beginning with number r of them, so
# that none is always first or last.
for ((r = 0; r < rounds; r++)); do
    for ((i = 0; i < ${#programs[@]}; i++)); do
        k=$(((r + i) % ${#programs[@]}))
        echo "$k $("$watch" "${programs[$k]}")" >>"$scratch/results"
    done
done

# Prints "median min max" of column $2 for program $1.
stats() {
    awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$scratch/results" | sort -g | awk '
        { v[NR] = $1 } END {
            m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%s %s %s", m, v[1], v[NR] }'
}
median() { stats "$1" "$2" | cut -d' ' -f1; }

echo "$rounds rounds on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
printf '%-24s %-26s %-26s %s\n' program "exec to mapped (ms)" "exec to painted (ms)" "RSS (MiB)"
for ((k = 0; k < ${#programs[@]}; k++)); do
    read -r mm m1 m2 <<<"$(stats "$k" 2)"
    read -r pm p1 p2 <<<"$(stats "$k" 3)"
    read -r rm r1 r2 <<<"$(stats "$k" 4)"
    printf '%-24s %-26s %-26s %s\n' "$(basename "${programs[$k]}")" \
        "$mm [$m1-$m2]" "$pm [$p1-$p2]" \
        "$(awk -v a="$rm" -v b="$r1" -v c="$r2" 'BEGIN { printf "%.1f [%.1f-%.1f]", a / 1024, b / 1024, c / 1024 }')"
done
awk -v p="$(median 0 3)" -v q="$(median 1 3)" -v r="$(median 0 4)" -v s="$(median 1 4)" 'BEGIN {
    printf "storomer / stock widgets: first frame %.3f, RSS %.3f\n", p / q, r / s }'
