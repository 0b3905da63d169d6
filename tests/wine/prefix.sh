#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# prefix.sh <prefix>: makes the Wine prefix anew, on the display the caller
# gives (or none), as a new machine has it, and ends the Wine session that
# made it. A Wine program joins the session of its prefix that still runs,
# on that session's display whatever display it is given: a session left
# without a display makes every window fail. So the next program here starts
# a session of its own, on its own display (tests/wine/run.sh).
set -eu
export WINEPREFIX=$1 WINEDEBUG=-all
# A session from an earlier run goes first, or the new prefix could be
# handed to it.
if [ -d "$WINEPREFIX" ]; then
    timeout 10 wineserver -k 2>/dev/null || true
fi
rm -rf "$WINEPREFIX"
# To a file: Wine's services, which outlive wineboot, would hold a pipe open.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
timeout 120 wineboot --init >"$log" 2>&1 ||
    { echo "wineboot did not make $WINEPREFIX within 120 s: $(tail -n 5 "$log")" >&2; exit 1; }
# Its first session ends by itself a few seconds after wineboot; waiting for
# that keeps the registry it writes on the way out.
timeout 30 wineserver -w || timeout 10 wineserver -k || true
