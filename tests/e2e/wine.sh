#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The Windows program under Wine, on an X session of its own:
#   wine   at 100, 125, 150 and 200 % on a 1366x768 screen: the window's
#          title, icon, size and place, the user's main path (userpath.sh),
#          and the window suite's captionsFit ($4) at each scale; at 100 %
#          what Qt hands to Windows' accessibility, on the way; then the
#          looks of Windows 10 and 11, light and dark, and High Contrast
#          Black's colours: the style Qt takes, the window dark where the
#          system is, the answer legible, each caption in its place
# That record is made by a recording stand-in for UI Automation's core ($5),
# once a small client ($6) has asked for the window as a screen reader does:
# no Windows screen reader runs. The prefix is $WINEPREFIX-e2e, beside the
# suites' one, made anew on each run; its Wine session, desktop and clipboard
# are on this display and end with the scenario. Every call into Wine has a
# time limit: a Wine that never answers fails the scenario with what it was
# asked.
# By hand, STOROMER_SHOTS=<dir> keeps a screenshot at each scale.
#   installer  the installer ($4) as a Windows user meets it, in a prefix of
#          its own: refused switches and folders change nothing; installed
#          silently, its shortcut starts the program, which computes an
#          answer; its Apps entry; installed again, one of each; uninstalled,
#          the prefix as before, and a file of the user's kept.
. "$(dirname "$0")/lib.sh"
case "$scenario" in
wine) tests_bin=$1 recorder=$2 uiaclient=$3 ;;
installer) setup=$1 ;;
*) fail "unknown scenario $scenario" ;;
esac

SCREEN=1366x768x24 start_session
setxkbmap -layout us,ru
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:?}-e2e
[ "$scenario" = wine ] || WINEPREFIX=$WINEPREFIX-$scenario
"$(dirname "$0")/../wine/prefix.sh" "$WINEPREFIX" || fail "no Wine prefix"
trap '{ timeout 10 wineserver -k 2>/dev/null || true; } && cleanup' EXIT
read_facts
# reg_add <key> <value> <data> [type]: tried three times; once, with other
# Wine programs running beside this one, such a write failed.
reg_add() {
    local _
    for _ in 1 2 3; do
        timeout 30 wine reg add "$1" /v "$2" /d "$3" /t "${4:-REG_SZ}" /f >/dev/null 2>&1 && return 0
    done
    return 1
}

# Waits up to 30 s for every Wine process, and Wine's server, to end.
wine_ended() { timeout 30 wineserver -w || fail "${1:-Wine did not end within 30 s}"; }

# The prefix's files and registry, less what Wine changes by itself as it
# runs any program (a key's time, the temporary folders, the keys of the
# devices it finds anew at each start) and the uninstaller's copy of itself
# in the temporary folder, which Windows deletes at its next start.
snapshot() {
    wine_ended
    (cd "$WINEPREFIX" && find drive_c ! -path '*/[Tt]emp/*' | LC_ALL=C sort)
    awk '/^\[/ { sub(/\] [0-9]+$/, "]"); device = /Enum|Class|Video|DEVICEMAP|NetworkCards/ }
        !device && NF && !/^#time=/ && !/^"PendingFileRenameOperations"/' "$WINEPREFIX"/*.reg
}
# A key of the registry as reg export writes it, in UTF-8.
exported() {
    rm -f "$scratch/key.reg"
    timeout 30 wine reg export "$1" "$(timeout 30 winepath -w "$scratch/key.reg")" >/dev/null 2>&1 &&
        iconv -f UTF-16 -t UTF-8 "$scratch/key.reg" | tr -d '\r'
}
# win <variable>: the value of Windows' environment variable.
win() { timeout 30 wine cmd /c echo "%$1%" | tr -d '\r'; }

scenario_installer() {
    export WINEDLLOVERRIDES=winemenubuilder.exe=d
    local before where folder shortcut key entry expected size rc
    touch "$WINEPREFIX/drive_c/blocker"
    before=$(snapshot)
    # Refused before anything is touched, each with its reason and status 2.
    for refused in '/S /BOGUS|unknown switch /BOGUS' '/S /s|unknown switch /s' \
        '/S /D=C:\blocker\Storomer|cannot make the folder C:\blocker\Storomer'; do
        rc=0
        # shellcheck disable=SC2086
        timeout 60 wine "$setup" ${refused%%|*} >"$scratch/out" 2>&1 || rc=$?
        [ "$rc" = 2 ] || fail "'${refused%%|*}' ended with status $rc"
        grep -qF "${refused#*|}" "$scratch/out" || fail "'${refused%%|*}' said: $(cat "$scratch/out")"
    done
    [ "$(snapshot)" = "$before" ] || fail "a refused install changed: $(diff <(echo "$before") <(snapshot))"

    where="$(win LOCALAPPDATA)\Programs\Storomer"
    folder=$(timeout 30 winepath -u "$where")
    shortcut="$(timeout 30 winepath -u "$(win APPDATA)")/Microsoft/Windows/Start Menu/Programs/$title.lnk"
    key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
    for round in 1 2; do
        timeout 120 wine "$setup" /S || fail "install $round ended with status $?"
        cmp -s "$folder/storomer.exe" "$bin" || fail "install $round put no storomer.exe in $folder"
        [ "$(find "$WINEPREFIX/drive_c" -name storomer.exe | wc -l)" = 1 ] || fail "copies: $(find "$WINEPREFIX" -name storomer.exe)"
        [ "$(find "$WINEPREFIX/drive_c" -name '*.lnk' | grep -c "$title")" = 1 ] || fail "shortcuts: $(find "$WINEPREFIX" -name '*.lnk')"
        [ "$(exported "$key" | grep -cxF "\"DisplayName\"=\"$title\"")" = 1 ] || fail "entries: $(exported "$key")"
    done
    # The shortcut names the installed program, and starts it.
    strings "$shortcut" | grep -qxF "$where\storomer.exe" ||
        fail "the shortcut leads to: $(strings "$shortcut")"
    # Started through the shortcut, as from the Start menu. Wine 10's start
    # does not wait for a shortcut's program (it ends at once, status 4), so
    # here the program's end is its window gone and Wine left with no process;
    # its status at Esc is the wine scenario's, with the same exe.
    start_program timeout 120 wine start /unix "$shortcut"
    user_copies_an_answer
    xdotool key --clearmodifiers Escape
    wait_for 10 no_window "$title" || fail "Esc left the window open"
    wine_ended "the program did not end within 30 s of Esc"
    # The Apps entry, exactly (reg export's escapes undone), and its size.
    entry=$(exported "$key\Storomer")
    expected='"DisplayIcon"="@\storomer.exe,0"
"DisplayName"="%"
"DisplayVersion"="#"
"InstallLocation"="@"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="The Storomer developers"
"QuietUninstallString"=""@\uninstall.exe" /S"
"UninstallString"=""@\uninstall.exe""
"VersionMajor"=dword:MAJOR
"VersionMinor"=dword:MINOR'
    [ "$(grep '^"' <<<"$entry" | grep -v '^"EstimatedSize"' | sed 's/\\\\/\\/g; s/\\"/"/g')" = \
        "$(sed "s/%/$title/; s/#/$version/; s/MAJOR/$(printf %08x "${version%%.*}")/
            s/MINOR/$(printf %08x "$((10#${version#*.}))")/" <<<"${expected//@/"$where"}")" ] ||
        fail "the Apps entry is: $entry"
    size=$(($(sed -n 's/^"EstimatedSize"=dword://p' <<<"$entry" | tr a-f A-F | sed 's/^/16#/')))
    [ "$size" -ge $(($(stat -c %s "$bin") / 1024)) ] || fail "EstimatedSize $size KiB"
    # Uninstalled silently, the prefix is as it was. The uninstaller goes on
    # from a copy of itself: its end is Wine's.
    timeout 120 wine "$folder/uninstall.exe" /S || fail "the uninstall ended with status $?"
    [ "$(snapshot)" = "$before" ] || fail "the uninstall left: $(diff <(echo "$before") <(snapshot))"
    # A file of the user's stays, and so does its folder.
    timeout 120 wine "$setup" /S || fail "install 3 ended with status $?"
    echo mine >"$folder/notes.txt"
    timeout 120 wine "$folder/uninstall.exe" /S || fail "the uninstall ended with status $?"
    # The uninstaller's copy of itself may start its work only after Wine
    # has seen no process for a moment: the folder is judged once it settles.
    wine_ended
    only_notes() { [ "$(ls "$folder")" = notes.txt ]; }
    wait_for 30 only_notes || fail "the uninstall left $(ls "$folder")"
}
[ "$scenario" = wine ] || { "scenario_$scenario"; echo "PASS: $scenario"; exit 0; }

# Windows set to Russian, as for the program's users: the decimal comma.
for setting in 'LocaleName ru-RU' 'Locale 00000419' 'sDecimal ,'; do
    read -r name value <<<"$setting"
    reg_add 'HKCU\Control Panel\International' "$name" "$value" ||
        fail "the regional setting $name was not taken"
done
# Qt loads the core from the system directory only.
cp "$recorder" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
export WINEDLLOVERRIDES=uiautomationcore=n
uia=$scratch/uia.log
export STOROMER_UIA_LOG=$(timeout 30 winepath -w "$uia")
[ -n "$STOROMER_UIA_LOG" ] || fail "winepath did not answer within 30 s"
notified() { [ "$(grep -c '^NOTIFICATION' "$uia" 2>/dev/null)" -ge "$1" ]; }
# Within a pixel of $1 scaled by $2/96.
scaled_near() { [ $(($3 - ($1 * $2 + 48) / 96)) -ge -1 ] && [ $(($3 - ($1 * $2 + 48) / 96)) -le 1 ]; }
IFS=x read -r client_w client_h <<<"$client_size"
# What the recorder must have seen at 100 %: the tree as the window's facts
# give it, each answer announced on the result box, and each change the user
# made confirmed: the option selected (SelectionItem_ElementSelected), the
# check box ticked (its toggle state on) and the keyboard-opened menu's item
# focused.
# Qt's announcement: kind Other, its politeness Polite as processing All.
announced="NOTIFICATION kind=4 processing=2 on '$Picture1_name'"
selected="EVENT 20012 on '$Option2_name'"
declare -A uia_role=([RadioButton]="radio button" [Button]=button [EditableText]=edit
    [CheckBox]="check box" [Slider]=slider [StaticText]=text)
# Qt 6.8 hands the top-level window's type as a VT_INT, not the VT_I4 the
# property is; whether Windows' own core accepts it, no run here can tell.
expected=("TREE window [VT_INT] '$title'")
for c in $controls; do
    role=$(fact "$c" role)
    [ -n "${uia_role[$role]:-}" ] || continue
    line="TREE   ${uia_role[$role]} '$(fact "$c" name)'"
    value=${c}_value # only a control with a value has the fact
    [ -z "${!value:-}" ] || line+=" ${!value}"
    expected+=("$line")
done
expected+=("$announced: '6'" "$announced: '6,000'" "$announced: '$no_triangle'"
    "$selected" "PROPERTY 30086 on '$Check1_name': 1" "EVENT 20005 on 'Копировать'")
# At 100 %: the same answer again, rounded with the comma, then no triangle
# after a slider moved, which itself is not announced; the result box's menu
# by Shift+F10, its item copied by Enter.
on_the_way() {
    [ "$dpi" = 96 ] || return 0
    press Return
    wait_for 10 notified 2 || fail "the same answer again was not announced"
    focus_on Check1
    press space Return ctrl+c
    wait_for 10 copied 6,000 || fail "the rounded answer copied is '$(clipboard)'"
    wait_for 10 notified 3 || fail "the rounded answer was not announced"
    focus_on Slider1
    press End
    sleep 1
    notified 4 && fail "moving a slider raised a notification: $(cat "$uia")"
    press Return
    wait_for 10 notified 4 || fail "no triangle was not announced"
    focus_on Picture1
    press shift+F10
    wait_for 10 grep -qF "EVENT 20005 on 'Копировать'" "$uia" ||
        fail "the menu opened by Shift+F10 focused no item"
    press Return
    wait_for 10 copied "$no_triangle" || fail "Enter in the menu copied '$(clipboard)'"
}
see_formulas() {
    local box
    box=$(window_id "$formulas_title")
    wait_for 5 on_screen "$box" 1366 768 || fail "at $dpi dpi the formulas box leaves the screen"
    [ -z "${STOROMER_SHOTS:-}" ] || import -window root "$STOROMER_SHOTS/wine-$dpi.png"
    synced windowactivate "$box"
}

for dpi in 96 120 144 192; do
    reg_add 'HKCU\Control Panel\Desktop' LogPixels "$dpi" REG_DWORD ||
        fail "LogPixels $dpi was not taken"
    # Wine reads LogPixels as its session starts: the program gets a new one.
    wine_ended
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
        timeout 60 wine "$uiaclient" "$title" ||
            fail "the UI Automation client found no window within 30 s"
        wait_for 10 grep -q '^TREE' "$uia" || fail "Qt handed no provider tree"
    fi
    user_main_path
    # Every caption fits at this scale, as the window suite checks it.
    timeout 120 wine "$tests_bin" captionsFit >"$scratch/captions.log" 2>&1 ||
        fail "at $dpi dpi, within 120 s: $(grep -a FAIL -A3 "$scratch/captions.log")"
    if [ "$dpi" = 96 ]; then
        grep -a . "$uia"
        for line in "${expected[@]}"; do
            grep -qxF "$line" "$uia" || fail "the UI Automation record lacks: $line"
        done
        [ "$(grep -cxF "$announced: '6'" "$uia")" = 2 ] ||
            fail "the same answer twice was not announced twice"
        [ "$(grep -cxF "$selected" "$uia")" = 1 ] || fail "the option was confirmed more than once"
        [ "$(grep -c '^NOTIFICATION' "$uia")" = 4 ] || fail "announced more than the answers"
    fi
done

# The looks, each as the window's facts give it (the window built under that
# setting): Windows 11 takes Qt's Windows 11 style, dark where the system is;
# Windows 10 the Vista style, which Qt keeps light. Wine reports high
# contrast off whatever is set, so it is High Contrast Black's colours that Qt
# gets, not the mode; with visual styles off, as Windows turns them off in high
# contrast (with them on, Qt 6.8's Vista style draws the boxes and buttons
# white, whatever the colours). Windows 10's captions the scales above check,
# as Wine's default is Windows 10; Windows 11's are checked here at 100 and 150 %.
# By hand, STOROMER_SHOTS=<dir> keeps a screenshot of each look at both.
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
# Each look: Wine's Windows, AppsUseLightTheme, its name, the window's tone.
for look in 'win10 1 light light' 'win10 0 dark light' 'win11 1 light light' 'win11 0 dark dark' \
    'win10 1 contrast dark'; do
    read -r os light name tone <<<"$look"
    timeout 60 wine winecfg -v "$os" >/dev/null 2>&1 || fail "Wine was not set to $os"
    reg_add "$personalize" AppsUseLightTheme "$light" REG_DWORD || fail "the colour scheme was not set"
    if [ "$name" = contrast ]; then
        for colour in 'Window 0 0 0' 'WindowText 255 255 255' 'ButtonFace 0 0 0' \
            'ButtonText 255 255 255' 'Highlight 26 235 255' 'HighlightText 0 0 0' 'GrayText 63 242 63'; do
            read -r key rgb <<<"$colour"
            reg_add 'HKCU\Control Panel\Colors' "$key" "$rgb" || fail "the colour $key was not set"
        done
        reg_add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive 0 ||
            fail "visual styles were not turned off"
    fi
    for dpi in 96 144; do
        [ "$os" = win11 ] || [ -n "${STOROMER_SHOTS:-}" ] || [ "$dpi" = 96 ] || continue
        reg_add 'HKCU\Control Panel\Desktop' LogPixels "$dpi" REG_DWORD || fail "LogPixels $dpi was not taken"
        wine_ended
        read_facts
        echo "$os $name at $dpi dpi: style $style, scheme ${color_scheme:-}, window $window_color, answer contrast $answer_contrast"
        [ "$style" = "$([ "$os" = win11 ] && echo windows11 || echo windowsvista)" ] ||
            fail "$os $name: the style is $style"
        [ "$window_tone" = "$tone" ] || fail "$os $name: the window is $window_color, not $tone"
        awk -v c="$answer_contrast" 'BEGIN { exit !(c >= 4.5) }' ||
            fail "$os $name at $dpi dpi: the answer's contrast is $answer_contrast"
        if [ "$os" = win11 ]; then
            timeout 120 wine "$tests_bin" captionsFit >"$scratch/captions.log" 2>&1 ||
                fail "$os at $dpi dpi, within 120 s: $(grep -a FAIL -A3 "$scratch/captions.log")"
        fi
        if [ -n "${STOROMER_SHOTS:-}" ]; then
            start_program wine "$bin"
            user_copies_an_answer
            import -window root "$STOROMER_SHOTS/wine-$os-$name-$dpi.png"
            end_by_escape
        fi
    done
done
echo "PASS: $scenario"
