#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The program as a native Wayland client of a real compositor, headless:
#   wayland-<scale>   sway, which draws the frame: the window's size, the
#                     user's main path (userpath.sh) typed by wtype, and the
#                     slider's value tip on the way
#   csd-<scale>       weston, which leaves the frame to the client (as GNOME
#                     does): Qt's frame and the window fit the screen
# Compositors will not run as root: they and their clients run as nobody, in
# a directory of their own ($way, their XDG_RUNTIME_DIR and HOME), with a
# copy of the program. By hand, STOROMER_SHOTS=<dir> keeps the screenshots.
. "$(dirname "$0")/lib.sh"

way=$scratch/wayland
chmod 711 "$scratch" # nobody passes through to its own directory
mkdir -m 700 "$way"
cp "$bin" "$way/storomer"
chown -R 65534:65534 "$way"
as_nobody() {
    setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH=/usr/bin:/bin \
        HOME="$way" XDG_RUNTIME_DIR="$way" WAYLAND_DISPLAY=wayland-1 XDG_SESSION_TYPE=wayland \
        LC_ALL=C.UTF-8 "$@"
}
if ! as_nobody /bin/true 2>/dev/null; then
    # As in a chroot whose root directory only root may enter.
    echo "SKIP: an unprivileged user cannot run programs on this machine"
    exit 77
fi
# Everything started there carries that XDG_RUNTIME_DIR.
ours() { grep -lsaF "XDG_RUNTIME_DIR=$way" /proc/[0-9]*/environ | sed 's|/proc/\([0-9]*\)/.*|\1|'; }
trap '{ kill -9 $(ours) 2>/dev/null || true; } && cleanup' EXIT

start_client() {
    as_nobody "$way/storomer" 2>"$scratch/stderr" &
    program=$!
    pids+=("$program")
}

# The keys "$@", as xdotool names them, typed by wtype.
press() {
    local key args=()
    for key in "$@"; do
        case "$key" in
        *+*) args+=(-M "${key%+*}" -k "${key##*+}" -m "${key%+*}") ;;
        *) args+=(-k "$key") ;;
        esac
    done
    as_nobody wtype "${args[@]}"
}

IFS=x read -r client_w client_h <<<"$client_size"
scale=${scenario#*-}
case "$scenario" in
wayland-*)
    printf '%s\n' 'xwayland disable' 'input * xkb_layout us,ru' \
        'for_window [app_id=".*"] floating enable' "output * scale $scale" \
        'output * bg #000000 solid_color' >"$way/config"
    as_nobody env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$way/config" >"$scratch/sway.log" 2>&1 &
    pids+=($!)
    sway_up() { ls "$way"/sway-ipc.*.sock >/dev/null 2>&1 && [ -S "$way/wayland-1" ]; }
    wait_for 30 sway_up || fail "sway did not start: $(tail -n 3 "$scratch/sway.log")"
    # A keyboard must be there before the program starts.
    as_nobody wtype -s 100000000 &
    pids+=($!)
    start_client
    # app_id, shell, client size and place of each window, as sway knows them.
    sway_windows() {
        as_nobody env SWAYSOCK="$(ls "$way"/sway-ipc.*.sock)" swaymsg -r -t get_tree |
            jq -r '.. | select(.app_id? // empty) | "\(.app_id) \(.shell)
                \(.window_rect.width)x\(.window_rect.height)
                \(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"' | xargs
    }
    shown() { [ -n "$(sway_windows)" ]; }
    wait_for 30 shown || fail "no window appeared: $(cat "$scratch/stderr")"
    read -r app shell size x y <<<"$(sway_windows)"
    [ "$app $shell $size" = "org.storomer.Storomer xdg_shell $client_size" ] ||
        fail "the window is $app $shell $size"
    clipboard() { as_nobody timeout 5 wl-paste 2>/dev/null; }
    # wtype gives each key a keyboard of its own, with no physical key
    # behind it: the letter itself, by its Unicode keysym.
    access_key() { press "alt+$(LC_ALL=C.UTF-8 printf 'U%04X' "'$1")"; }
    # The value tip of slider B, above its thumb, then further right as the value grows.
    tip() {
        as_nobody grim "$way/shot.png"
        [ -z "${STOROMER_SHOTS:-}" ] || cp "$way/shot.png" "$STOROMER_SHOTS/wayland-$scale.png"
        convert "$way/shot.png" -fill black +opaque '#FFFFDC' -format '%@' info:
    }
    on_the_way() {
        focus_on Slider2
        press Right
        IFS='x+' read -r _ _ tx1 ty1 <<<"$(tip)"
        press Right Right Right Right Right
        IFS='x+' read -r tw th tx2 ty2 <<<"$(tip)"
        # Between slider A's top and slider B's, as the window places them.
        IFS=, read -r _ a_y _ <<<"$Slider1_rect"
        IFS=, read -r _ b_y _ <<<"$Slider2_rect"
        slider_b_top=$(((y + b_y) * scale))
        [ "$((ty2 + th))" -le "$slider_b_top" ] && [ "$ty2" -ge "$(((y + a_y) * scale))" ] ||
            fail "the tip stands at ${tw}x${th}+$tx2+$ty2, not above slider B (top $slider_b_top)"
        [ "$tx2" -gt "$tx1" ] || fail "the tip stayed at x $tx1 while the value grew ($tx2)"
    }
    formulas_up() {
        as_nobody env SWAYSOCK="$(ls "$way"/sway-ipc.*.sock)" swaymsg -r -t get_tree |
            jq -e --arg title "$formulas_title" '[.. | select(.name? == $title)] | length > 0' >/dev/null
    }
    see_formulas() { wait_for 10 formulas_up || fail "no formulas box: $(sway_windows)"; }
    see_no_formulas() { wait_for 10 eval '! formulas_up' || fail "Esc did not close the formulas box"; }
    # Each wtype uploads a keymap of its own, and a key can now and then come
    # before the program has taken the new map: Esc is pressed again then.
    end_by_escape() {
        for _ in 1 2 3; do
            press Escape
            wait_for 3 stopped "$program" && break
        done
        wait_exit "$program" 5
        [ "$rc" = 0 ] || fail "Esc ended the program with status $rc: $(tail -n 20 "$scratch/stderr")"
    }
    user_main_path
    # sway 1.10 makes each new wtype keyboard the active one before wtype
    # has given it a keymap, and tells the program so (format 0, no keymap),
    # which Qt 6.8 reports; a real keyboard has its keymap from the start.
    said_nothing_but 'qt.qpa.wayland: unknown keymap format: 0'
    ;;
csd-*)
    (cd "$way" && as_nobody weston --backend=headless-backend.so --use-pixman --width=640 \
        --height=480 --scale="$scale" --socket=wayland-1 --debug >"$scratch/weston.log" 2>&1) &
    pids+=($!)
    wait_for 30 test -S "$way/wayland-1" || fail "weston did not start: $(tail -n 3 "$scratch/weston.log")"
    start_client
    # The window's own grey, as weston shows it: the client area and the frame
    # Qt draws around it.
    window_box() {
        rm -f "$way"/wayland-screenshot-*.png
        (cd "$way" && as_nobody timeout 10 weston-screenshooter) || return 1
        convert "$way"/wayland-screenshot-*.png -fill black +opaque '#EFEFEF' -format '%wx%h %@\n' info:
    }
    framed() {
        read -r screen box < <(window_box) || return 1
        IFS='x+' read -r w h x y <<<"$box"
        [ "$h" -gt "$(((client_h + 10) * scale))" ]
    }
    wait_for 30 framed || fail "no framed window on the screen: $(window_box)"
    IFS=x read -r sw sh <<<"$screen"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ "$((x + w))" -le "$sw" ] && [ "$((y + h))" -le "$sh" ] ||
        fail "the window and its frame, $box, leave the ${screen} screen"
    [ "$w" -ge "$((client_w * scale))" ] || fail "the window is only $box"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
