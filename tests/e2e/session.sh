# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# An X session of a test's own: a scratch directory that goes with the test,
# an Xvfb display and a window manager on it; sourced by every script that
# needs one (lib.sh for the scenarios, tests/wine/run.sh for the Windows
# suites). Whatever it starts is in pids and ends with the script.
scratch=$(mktemp -d)
chmod 700 "$scratch"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    # What is still ending (a bus, a speech daemon) may add to it while it is
    # removed, which fails the removal and, in a trap under set -e, a
    # scenario that passed: it is tried again then, for a few seconds.
    wait_for 5 rm -rf "$scratch" 2>/dev/null || true
}
trap cleanup EXIT

# Polls command $2... every tenth of a second for at most $1 seconds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# A display of our own: Xvfb picks a free number itself and writes it to
# fd 3, so parallel runs never race for one.
# -noreset: a server that resets when its last client leaves refuses the next.
start_display() {
    Xvfb -displayfd 3 -screen 0 "${SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        3>"$scratch/display" 2>"$scratch/xvfb.log" &
    pids+=($!)
    wait_for 30 grep -q . "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=:$(head -n 1 "$scratch/display")
    wait_for 30 xdpyinfo >/dev/null 2>&1 || fail "the display $DISPLAY does not answer"
}

running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }

wm_running() { wmctrl -m >/dev/null 2>&1; }

wm_up_or_gone() { wm_running || stopped "$1"; }

# The display and a window manager on it; a window manager that gives up is
# started again, at most three times.
start_session() {
    start_display
    for _ in 1 2 3; do
        openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
        pids+=($!)
        wait_for 30 wm_up_or_gone $! && wm_running && return 0
    done
    fail "the window manager did not start on $DISPLAY: $(cat "$scratch/openbox.log")" \
        "(Xvfb $(running "${pids[0]}" && echo runs || echo is gone): $(cat "$scratch/xvfb.log"))"
}

