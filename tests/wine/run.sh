#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
#
# How CTest runs a Windows test program: under Wine, in the WINEPREFIX the
# caller chose, without Wine's own chatter.
export WINEDEBUG=-all
exec wine "$@"
