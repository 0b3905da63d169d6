# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# The user's main path, written once for every desktop; sourced by lib.sh.
# Each environment's file supplies the verbs it is made of where its own
# differ from an X session's, which lib.sh gives:
#   press <key>...            keys, as xdotool names them
#   access_key <letter>       Alt and the key of a caption's underlined letter
#   clipboard                 what a paste gives
#   expect_answer <text>      the answer as this environment's user gets it
#   see_formulas, see_no_formulas   the formulas box up, then gone
#   end_by_escape             Esc ends the program with status 0
#   on_the_way                its own checks, with the first answer at hand
# The keys follow the window's tab order as the facts give it.

user_main_path() {
    user_copies_an_answer
    on_the_way
    # The formulas box by Alt and its letter.
    access_key "$Command2_key"
    see_formulas
    press Escape
    see_no_formulas
    running "$program" || fail "Esc in the formulas box ended the program"
    end_by_escape
}

# The first half: from a window just opened to the area of 3, 4, 5 copied.
user_copies_an_answer() {
    focus=${tab_order%% *} # where the window puts it at start
    set_side Slider1 3
    set_side Slider2 4
    set_side Slider3 5
    choose Option2 # the area
    press Return   # calculate, from where the focus is
    expect_answer 6
    press ctrl+c
    wait_for 10 copied 6 || fail "the answer copied is '$(clipboard)'"
}

copied() { [ "$(clipboard)" = "$1" ]; }

# Fact $2 of control $1.
fact() {
    local name="${1}_$2"
    echo "${!name}"
}

# Control $1's stop in the order $2: itself, or for an option button the
# button of its group that the order holds.
stop_in() {
    local c
    for c in $2; do
        [ "$c" = "$1" ] && echo "$c" && return
    done
    for c in $2; do
        [ "$(fact "$c" role)" = RadioButton ] && [ "$(fact "$1" role)" = RadioButton ] &&
            echo "$c" && return
    done
    fail "$1 is not in the tab order: $2"
}

# Steps from $1 to $2 in the order $3, going round.
steps_in() {
    local -a order
    read -ra order <<<"$3"
    local i from to from_stop to_stop
    from_stop=$(stop_in "$1" "$3") || exit 1
    to_stop=$(stop_in "$2" "$3") || exit 1
    for i in "${!order[@]}"; do
        [ "${order[i]}" != "$from_stop" ] || from=$i
        [ "${order[i]}" != "$to_stop" ] || to=$i
    done
    echo $(((to - from + ${#order[@]}) % ${#order[@]}))
}

# Moves the focus to control $1 the shorter way round, by Tab or Shift+Tab,
# then within an option group by the arrows.
focus_on() {
    local forward backward keys=() key=Tab order=$tab_order steps i reached
    forward=$(steps_in "$focus" "$1" "$tab_order")
    backward=$(steps_in "$focus" "$1" "$backtab_order")
    steps=$forward
    if [ "$backward" -lt "$forward" ]; then key=shift+Tab order=$backtab_order steps=$backward; fi
    for ((i = 0; i < steps; i++)); do keys+=("$key"); done
    reached=$(stop_in "$1" "$order")
    if [ "$reached" != "$1" ]; then
        local from_x to_x
        from_x=$(fact "$reached" rect) to_x=$(fact "$1" rect)
        if [ "${to_x%%,*}" -gt "${from_x%%,*}" ]; then keys+=(Right); else keys+=(Left); fi
    fi
    [ ${#keys[@]} -eq 0 ] || press "${keys[@]}"
    focus=$1
}

set_side() {
    local keys=(Home) i
    focus_on "$1"
    for ((i = 0; i < $2; i++)); do keys+=(Right); done
    press "${keys[@]}"
}

choose() {
    focus_on "$1"
    press space
}

# The keys of the Russian layout, in the order of its letters below, as the
# Latin group and the Russian group name them.
ru_letters=йцукенгшщзхъфывапролджэячсмитьбю
latin_keys=(q w e r t y u i o p bracketleft bracketright a s d f g h j k l semicolon apostrophe
    z x c v b n m comma period)
russian_keys=(shorti tse u ka ie en ghe sha shcha ze ha hardsign ef yeru ve a pe er o el de zhe e
    ya che es em i te softsign be yu)

# The key that carries Cyrillic letter $1, as the Latin group (latin) or the
# Russian group (russian) names it; a Latin letter is its own key.
key_of() {
    local LC_ALL=C.UTF-8 i
    for ((i = 0; i < ${#ru_letters}; i++)); do
        if [ "${ru_letters:i:1}" = "$1" ]; then
            if [ "$2" = latin ]; then echo "${latin_keys[i]}"; else echo "Cyrillic_${russian_keys[i]}"; fi
            return
        fi
    done
    echo "$1"
}
latin_key() { key_of "$1" latin; }
