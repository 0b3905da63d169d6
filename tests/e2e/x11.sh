#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The real program in a real X session, as a person drives it, through a real
# window manager (openbox) on an Xvfb display of its own:
#   escape, close, formulas    the three ways to end it, and the formulas box
#                              by Alt and the Cyrillic letter
#   user                       the user's main path (userpath.sh), with the
#                              Latin group of us,ru active
#   placement-<W>x<H>          the whole window on the screen at every scale
#   restore                    put partly off the screen, minimised, restored
#   theme-<theme>              the key suite under a platform theme ($4)
# and hostile starts:
#   nodisplay, errorline       no display, a display name full of control
#                              characters: one short line and status 1
#   cmdline                    Qt's own options on the command line
#   scale-<value>, scale-product   scaling variables out of bounds
#   nobus                      no session bus: nothing left behind, no file in HOME
#   closedpipe                 stderr a pipe whose reader is gone
. "$(dirname "$0")/lib.sh"

# Presses key $1 until condition $2 holds, at most three times. xdotool maps a
# keysym the keyboard lacks (a Cyrillic letter here) onto a spare key just
# before it types it, and the program may now and then read the key before it
# has seen the new map; a second press then lands.
press_until() {
    for _ in 1 2 3; do
        xdotool key --clearmodifiers "$1"
        for _ in $(seq 30); do
            if eval "$2"; then return 0; fi
            sleep 0.1
        done
    done
    return 1
}

# Where the window opens on a 1024x768 screen, which the description gives.
placed=$client_size+$client_place

# Starts the program by the command "$@": its window where it belongs, and
# no more memory than a sane scale takes; then ends it by Esc.
starts_in_place() {
    start_program "$@"
    [ "$(client_area)" = "$placed" ] || fail "started by $*, the window is at $(client_area)"
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$program/status")
    [ "$rss" -lt 204800 ] || fail "started by $*, the program takes $rss KiB"
    end_by_escape
}

# Whether the program said $1 on stderr.
said() { grep -qF "$1" "$scratch/stderr" || fail "no word '$1': $(cat "$scratch/stderr")"; }

case "$scenario" in
escape)
    start_program
    end_by_escape
    said_nothing_but
    ;;
formulas)
    # The Russian layout, so that xdotool finds the Cyrillic letters on real keys.
    start_session
    setxkbmap -layout ru
    start_program
    formulas_by press_until "alt+$(key_of "$Command2_key" russian)" '! no_window "$formulas_title"'
    press_until "alt+$(key_of "$Command3_key" russian)" 'stopped "$program"' ||
        fail "Alt+$Command3_key did not end the program"
    wait_exit "$program" 5
    [ "$rc" = 0 ] || fail "Alt+$Command3_key ended the program with status $rc"
    said_nothing_but
    ;;
close)
    start_program
    wmctrl -c "$title"
    wait_exit "$program" 10
    [ "$rc" = 0 ] || fail "closing the window ended the program with status $rc"
    ;;
nodisplay)
    # Also where Qt says much more before the cause (QT_DEBUG_PLUGINS).
    for debug in 0 1; do
        rc=0
        err=$(DISPLAY=:4242 WAYLAND_DISPLAY= QT_DEBUG_PLUGINS=$debug "$bin" 2>&1 >/dev/null) || rc=$?
        [ "$rc" = 1 ] || fail "without a display the status was $rc, not 1"
        [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "expected one line, got: $err"
        case "$err" in *:4242*) ;; *) fail "the line does not name the display: $err" ;; esac
    done
    ;;
user)
    # Russian users type with a Latin group active: the access keys still work
    # by the key that carries the letter.
    start_session
    setxkbmap -layout us,ru
    start_program
    user_main_path
    said_nothing_but
    ;;
placement-*)
    # The whole window, frame included, on the screen at every scale; where it
    # fits, the client area exactly where the description puts it.
    size=${scenario#placement-}
    SCREEN=${size}x24 start_session
    IFS=x read -r sw sh <<<"$size"
    for scale in 1 1.25 1.5 1.75 2; do
        start_program env QT_SCALE_FACTOR=$scale "$bin"
        # The window moves once the window manager has framed it.
        wait_for 5 on_screen "$main" "$sw" "$sh" ||
            fail "at scale $scale on $size the window is at $(client_area) with frame $left,$right,$top,$bottom"
        if [ "$size" = 1024x768 ] && [ "$scale" = 1 ]; then
            [ "$(client_area)" = "$placed" ] || fail "at scale 1 the window is at $(client_area)"
        fi
        end_by_escape
    done
    ;;
theme-*)
    # The window's keys under a platform theme that gives Enter to the focused
    # check box or option button: the QTest cases on a real X display.
    start_session
    QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=${scenario#theme-} "$1" \
        themeIsActive enterKey escapeFromAnywhere || fail "keys under the ${scenario#theme-} theme"
    ;;
restore)
    # Put partly off the screen by the user, minimised and restored, the
    # window stays where it was put.
    start_program
    moved() { [ "$(client_area | cut -d+ -f2-)" = "$1" ]; }
    off_screen() { case "$(client_area | cut -d+ -f2-)" in -*) return 0 ;; esac; return 1; }
    # Asked again while the window manager is still framing a slow start,
    # which puts the window back on the screen.
    move_off() { xdotool windowmove "$main" -150 -100 && sleep 0.3 && off_screen; }
    wait_for 10 move_off || fail "the window manager did not move the window: $(client_area)"
    put=$(client_area | cut -d+ -f2-)
    synced windowminimize "$main"
    synced windowactivate "$main"
    wait_for 5 moved "$put" || fail "moved to $put, minimised and restored, the window is at $(client_area)"
    end_by_escape
    ;;
cmdline)
    # Each of these, were it handed to Qt, would load a plugin from the planted
    # directory, hang on an endless style sheet, or put the window out of sight.
    mkdir -p "$scratch/plugins/platforms"
    starts_in_place "$bin" -platformpluginpath "$scratch/plugins" -platform planted \
        -stylesheet /dev/zero -qwindowgeometry 1x1+30000+30000 -reverse -platform offscreen
    ;;
scale-product)
    # Each within bounds, but together 64 times: the window keeps its size.
    starts_in_place env QT_SCALE_FACTOR=8 QT_FONT_DPI=768 "$bin"
    said 'QT_FONT_DPI="768" ignored'
    ;;
scale-*)
    value=${scenario#scale-}
    starts_in_place env QT_SCALE_FACTOR="$value" "$bin"
    said "QT_SCALE_FACTOR=\"$value\" ignored"
    ;;
nobus)
    # Every process the program causes inherits this mark.
    mark="STOROMER_E2E_MARK=$$-$RANDOM"
    mkdir "$scratch/home"
    start_program env -u DBUS_SESSION_BUS_ADDRESS HOME="$scratch/home" "$mark" "$bin"
    end_by_escape
    left=$(grep -lsa "$mark" /proc/[0-9]*/environ || true)
    [ -z "$left" ] || fail "processes left behind: $(ps -o pid,args -p "$(sed 's|/proc/\([0-9]*\)/.*|\1|' <<<"$left" | paste -sd,)")"
    [ -z "$(ls -A "$scratch/home")" ] || fail "files written to HOME: $(find "$scratch/home")"
    ;;
errorline)
    rc=0
    display=":9$(printf '\033[31m')$(head -c 130000 /dev/zero | tr '\0' x)"
    err=$(DISPLAY=$display env -u WAYLAND_DISPLAY "$bin" 2>&1 >/dev/null) || rc=$?
    [ "$rc" = 1 ] || fail "with a bad DISPLAY the status was $rc, not 1"
    [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "expected one line"
    [ "${#err}" -lt 400 ] || fail "the line is ${#err} characters long"
    case "$err" in *$'\033'*) fail "the line carries a raw escape character" ;; esac
    case "$err" in *'\x1b'*) ;; *) fail "the escape character is not shown: $err" ;; esac
    # An invisible tag character (outside the 16-bit range) is shown too.
    err=$(DISPLAY=":9$(printf '\xf3\xa0\x81\x81')x" env -u WAYLAND_DISPLAY "$bin" 2>&1 >/dev/null) || true
    case "$err" in *'\U000e0041'*) ;; *) fail "the tag character is not shown: $err" ;; esac
    case "$err" in *$'\xf3\xa0\x81\x81'*) fail "the line carries a raw tag character" ;; esac
    ;;
closedpipe)
    # stderr is a pipe whose reader is gone, where the word about the scale
    # goes: a fifo opened for writing while this shell reads it, which then
    # stops reading.
    mkfifo "$scratch/pipe"
    exec 3<>"$scratch/pipe" 4>"$scratch/pipe" 3<&-
    to_closed_pipe() { exec "$@" 2>&4; }
    start_program to_closed_pipe env QT_SCALE_FACTOR=0 "$bin"
    exec 4>&-
    running "$program" || fail "the program died writing to a closed pipe"
    end_by_escape
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
