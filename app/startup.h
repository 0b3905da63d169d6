// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// What the process is started with, made safe before Qt sees any of it. The
// program takes no command line; its standard streams, its environment and
// the one line it prints when it cannot start are all it shares with its caller.

#include <string>
#include <string_view>

namespace app {

// Puts the null device on any of the standard streams the caller closed, so
// that no file the program opens lands there, and lets a write to a closed
// pipe fail instead of killing the process. (Nothing to do on Windows.)
void GuardStandardStreams();

// Drops each scaling variable (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS,
// QT_FONT_DPI) that is not a finite scale from 0.5 to 8, and all of them when
// together they scale beyond that, saying so in one line on stderr; the
// window then opens at the platform's own scale.
void DropUnsafeScaling();

// Where no session bus address is given, asks for no bus rather than letting
// the bus library start one of its own that would outlive the program.
// (Windows has no session bus.)
void NoBusAutolaunch();

// text with every control or invisible character written as \xNN, \uNNNN or
// \UNNNNNNNN, cut to at most limit characters, for a message on a terminal.
std::string Printable(std::string_view utf8, int limit);

} // namespace app
