// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// How a screen reader sees the program's own widgets, on top of what Qt gives
// its stock ones: the window is a frame, the captions and the result box are
// text it can read, the line is a separator.

namespace runtime {

// Registers the accessible interfaces of the window, the labels, the line and
// the result box with Qt; call once the application object stands.
void InstallAccessibility();

} // namespace runtime
