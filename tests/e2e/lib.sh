# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# What every end-to-end scenario shares; sourced by the file of each
# environment, which is run as
#   <environment>.sh <window facts tool> <storomer binary> <scenario> [more...]
# The window's facts (title, client area, each control's caption, name,
# tooltip and place, the tab order, the formulas box) come from the tool,
# which builds the window and writes them down: no scenario copies one.
# Every wait checks for what it needs and gives up only at a deadline
# generous enough for a loaded machine: no wait is a bare sleep.
set -euo pipefail

facts_tool=$1
bin=$2
scenario=$3
shift 3
# shellcheck source=session.sh
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
export XDG_RUNTIME_DIR=$scratch
# Our own display only, never the desktop the tests were started from.
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

# The window's facts into this shell; the Windows tool runs under Wine, once
# the scenario has its prefix.
# shellcheck source=../facts/facts.sh
. "$(dirname "${BASH_SOURCE[0]}")/../facts/facts.sh"
read_facts() { window_facts "$facts_tool" "$scratch"; }
[[ $facts_tool == *.exe ]] || read_facts

# Waits until the window titled exactly $1 is mapped and prints its id. A
# search can fail when another window goes away meanwhile; it is tried again.
window_id() {
    local deadline=$((SECONDS + 30)) id
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no window '$1' appeared"
        sleep 0.1
    done
}

# True while no visible window is titled exactly $1.
no_window() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Waits up to $2 seconds for process $1 to end; its status goes to rc.
wait_exit() {
    wait_for "$2" stopped "$1" || fail "the program still runs"
    rc=0
    wait "$1" || rc=$?
}

# xdotool's --sync waits for the window manager without end: each such
# command ($1, on the window $2...) gets 10 seconds.
synced() {
    timeout 10 xdotool "$1" --sync "${@:2}" || fail "xdotool $* did not finish within 10 s"
}

# Starts the program (or the command "$@" that execs it) and waits for its window.
start_program() {
    [ -n "${DISPLAY:-}" ] || start_session # the scenario's own, where it started one
    if [ $# -eq 0 ]; then set -- "$bin"; fi
    "$@" 2>"$scratch/stderr" &
    program=$!
    pids+=("$program")
    main=$(window_id "$title")
    synced windowactivate "$main"
}

# The client area's size and place of window $1 (the program's by default), as "WxH+X+Y".
client_area() {
    xwininfo -id "${1:-$main}" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print w "x" h "+" x "+" y}'
}

# Whether window $1, frame included, lies whole on a $2 x $3 screen; leaves
# the frame's extents in left, right, top and bottom.
on_screen() {
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
    IFS='x+' read -r w h x y <<<"$(client_area "$1")"
    [ -n "$bottom" ] && [ "$((x - left))" -ge 0 ] && [ "$((y - top))" -ge 0 ] &&
        [ "$((x + w + right))" -le "$2" ] && [ "$((y + h + bottom))" -le "$3" ]
}

# Fails on any line the program printed but those matching the patterns
# "$@" (shell patterns): each one a scenario allows is named there with its
# cause, which is not ours to mend.
said_nothing_but() {
    local line allowed
    while IFS= read -r line; do
        for allowed in "$@"; do
            # shellcheck disable=SC2053 # a pattern
            [[ $line == $allowed ]] && continue 2
        done
        fail "the program said: $line"
    done <"$scratch/stderr"
}

# Qt 6.8's own message box lays out its text, which the style makes
# selectable, through a text document whose changes Qt reports as text events
# of the label, and the label's accessible interface (Qt's too) has no text:
# Qt's AT-SPI bridge says so, while a screen reader listens.
qt_label_text_event='qt.accessibility.atspi: Received text event for invalid interface.'

# Qt's AT-SPI bridge gives a screen reader 100 ms to claim each key, and on a
# loaded machine the answer can come later: Qt then says so and delivers the
# key itself, and the late answer finds no key waiting, which Qt says too.
qt_late_key_answer=('QSpiApplication::keyEventError  "org.freedesktop.DBus.Error.NoReply" *'
    'QSpiApplication::notifyKeyboardListenerCallback with no queued key called')

# Esc must still end the program, with status 0.
end_by_escape() {
    xdotool key --clearmodifiers Escape
    wait_exit "$program" 5
    [ "$rc" = 0 ] || fail "Esc ended the program with status $rc"
}

# Opens the formulas box by the command "$@", closes it by Esc, and comes
# back to the window.
formulas_by() {
    "$@" || fail "$* showed no formulas box"
    local box
    box=$(window_id "$formulas_title")
    synced windowactivate "$box"
    xdotool key --clearmodifiers Escape
    wait_for 10 no_window "$formulas_title" || fail "Esc did not close the formulas box"
    running "$program" || fail "Esc in the formulas box ended the program"
    synced windowactivate "$main"
}

# The verbs of the user's main path (userpath.sh) on an X session; an
# environment whose own differ defines them again after sourcing this file.
press() { xdotool key --clearmodifiers "$@"; }
# By the key that carries the letter, with the Latin group of us,ru active.
access_key() { press "alt+$(latin_key "$1")"; }
# A clipboard whose owner never answers would hold xclip for ever.
clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null; }
# Here the user reads the answer in the box; the copy shows what it holds.
expect_answer() { :; }
see_formulas() {
    local box
    box=$(window_id "$formulas_title")
    synced windowactivate "$box"
}
see_no_formulas() {
    wait_for 10 no_window "$formulas_title" || fail "Esc did not close the formulas box"
    synced windowactivate "$main"
}
on_the_way() { :; }
# shellcheck source=userpath.sh
. "$(dirname "${BASH_SOURCE[0]}")/userpath.sh"
