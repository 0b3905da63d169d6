# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# window_facts <facts tool> <directory>: the window's facts into the calling
# shell, written by the tool (the Windows one under Wine) into
# <directory>/window.facts; fails the script when the tool does.
window_facts() {
    local file=$2/window.facts rc=0
    if [[ $1 == *.exe ]]; then
        timeout 120 wine "$1" "$(timeout 30 winepath -w "$file")" >"$2/facts.log" 2>&1 || rc=$?
    else
        XDG_RUNTIME_DIR=$2 QT_QPA_PLATFORM=offscreen timeout 60 "$1" "$file" 2>"$2/facts.log" || rc=$?
    fi
    if [ "$rc" != 0 ]; then
        echo "FAIL: the window's facts tool failed ($rc): $(cat "$2/facts.log")" >&2
        exit 1
    fi
    # shellcheck source=/dev/null
    . "$file"
}
