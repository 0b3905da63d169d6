#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The Windows program under Wine, on an X session of its own:
#   wine   at 100, 125, 150 and 200 % on a 1366x768 screen: the window's
#          title, icon, size and place, the keys, copying, the formulas box,
#          and the window suite's captionsFit ($4) at each scale; at 100 %
#          what Qt hands to Windows' accessibility
# That record is made by a recording stand-in for UI Automation's core ($5),
# once a small client ($6) has asked for the window as a screen reader does:
# no Windows screen reader runs. The prefix is $WINEPREFIX-e2e, beside the
# suites' one, so that its Wine desktop and clipboard are on this display.
# By hand, STOROMER_SHOTS=<dir> keeps a screenshot at each scale.
. "$(dirname "$0")/lib.sh"
[ "$scenario" = wine ] || fail "unknown scenario $scenario"
tests_bin=$1 recorder=$2 uiaclient=$3

SCREEN=1366x768x24 start_session
setxkbmap -layout us,ru
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:?}-e2e
[ -d "$WINEPREFIX/drive_c" ] || wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
# Windows set to Russian, as for the program's users: the decimal comma.
for setting in 'LocaleName ru-RU' 'Locale 00000419' 'sDecimal ,'; do
    read -r name value <<<"$setting"
    wine reg add 'HKCU\Control Panel\International' /v "$name" /d "$value" /f >/dev/null 2>&1 ||
        fail "the regional setting $name was not taken"
done
# Qt loads the core from the system directory only.
cp "$recorder" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
export WINEDLLOVERRIDES=uiautomationcore=n
uia=$scratch/uia.log
export STOROMER_UIA_LOG=$(winepath -w "$uia")
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
copied() { [ "$(clipboard)" = "$1" ]; }
notified() { [ "$(grep -c '^NOTIFICATION' "$uia" 2>/dev/null)" -ge "$1" ]; }
# Within a pixel of $1 scaled by $2/96.
scaled_near() { [ $(($3 - ($1 * $2 + 48) / 96)) -ge -1 ] && [ $(($3 - ($1 * $2 + 48) / 96)) -le 1 ]; }
IFS=x read -r client_w client_h <<<"$client_size"
# What the recorder must have seen at 100 %: the tree, and each answer
# announced on the result box.
announced="NOTIFICATION kind=4 processing=1 on 'Ответ'"
expected=(
    "TREE window '$title'"
    "TREE   radio button 'Вычислить периметр треугольника'"
    "TREE   radio button 'Вычислить площадь треугольника'"
    "TREE   button 'Формулы'" "TREE   button 'Вычислить'" "TREE   button 'Выход'"
    "TREE   edit 'Ответ'" "TREE   check box 'Округлить'"
    "TREE   slider 'Третья сторона треугольника' 0..50 = 0"
    "TREE   slider 'Вторая сторона треугольника' 0..50 = 0"
    "TREE   slider 'Первая сторона треугольника' 0..50 = 0"
    "TREE   text 'A'" "TREE   text 'B'" "TREE   text 'C'"
    "$announced: '6'" "$announced: '6,000'" "$announced: '$no_triangle'")

for dpi in 96 120 144 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 || fail "LogPixels $dpi was not taken"
    rm -f "$uia"
    start_program wine "$bin"
    [ "$(xprop -id "$main" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = \"$title\"" ] ||
        fail "the title is $(xprop -id "$main" _NET_WM_NAME)"
    xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32x32 window icon"
    IFS=x read -r w h <<<"$(client_area | cut -d+ -f1)"
    scaled_near "$client_w" "$dpi" "$w" && scaled_near "$client_h" "$dpi" "$h" ||
        fail "at $dpi dpi the client area is $(client_area), not $client_size scaled"
    wait_for 5 on_screen "$main" 1366 768 || fail "at $dpi dpi the window leaves the screen"
    if [ "$dpi" = 96 ]; then
        wine "$uiaclient" "$title" || fail "the UI Automation client found no window"
        wait_for 10 grep -q '^TREE' "$uia" || fail "Qt handed no provider tree"
    fi
    # shellcheck disable=SC2046
    xdotool key $(sides_345_area) Return ctrl+c
    wait_for 10 copied 6 || fail "at $dpi dpi the answer copied is '$(clipboard)'"
    if [ "$dpi" = 96 ]; then
        # The same answer again, rounded with the comma, then no triangle
        # after a slider moved, which itself is not announced.
        xdotool key Return
        wait_for 10 notified 2 || fail "the same answer again was not announced"
        xdotool key Tab Tab Tab Tab space Return ctrl+c
        wait_for 10 copied 6,000 || fail "the rounded answer copied is '$(clipboard)'"
        wait_for 10 notified 3 || fail "the rounded answer was not announced"
        xdotool key shift+Tab End
        sleep 1
        notified 4 && fail "moving a slider raised a notification: $(cat "$uia")"
        xdotool key Return
        wait_for 10 notified 4 || fail "no triangle was not announced"
    fi
    # The formulas box by the key that carries О, with the Latin group active.
    xdotool key alt+j
    box=$(window_id "$formulas_title")
    wait_for 5 on_screen "$box" 1366 768 || fail "at $dpi dpi the formulas box leaves the screen"
    [ -z "${STOROMER_SHOTS:-}" ] || import -window root "$STOROMER_SHOTS/wine-$dpi.png"
    xdotool windowactivate --sync "$box" key Escape
    wait_for 10 no_window "$formulas_title" || fail "Esc did not close the formulas box"
    xdotool windowactivate --sync "$main"
    end_by_escape
    # Every caption fits at this scale, as the window suite checks it.
    wine "$tests_bin" captionsFit >"$scratch/captions.log" 2>&1 ||
        fail "at $dpi dpi: $(grep -a FAIL -A3 "$scratch/captions.log")"
    if [ "$dpi" = 96 ]; then
        grep -a . "$uia"
        for line in "${expected[@]}"; do
            grep -qxF "$line" "$uia" || fail "the UI Automation record lacks: $line"
        done
        [ "$(grep -cxF "$announced: '6'" "$uia")" = 2 ] ||
            fail "the same answer twice was not announced twice"
        [ "$(grep -c '^NOTIFICATION' "$uia")" = 4 ] || fail "announced more than the answers"
    fi
done
echo "PASS: $scenario"
