// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The runtime's message box, the end of the program, and what kind of
// session it runs in.

#include <functional>
#include <string_view>

class QWidget;

namespace runtime {

// Shows a modal information box with an OK button over owner; OK, Enter, Esc
// and the close box all close it. A CR LF in prompt, UTF-8 like title, starts
// a new line.
void MsgBox(QWidget* owner, std::string_view prompt, std::string_view title);

// Ends the program at once with status 0: its windows go away and no further
// event is handled.
void End();

// Whether the program is a native Wayland client, which is told no global
// places and places no window itself.
bool IsWayland();

// Tests put their own end in place to see it happen; an empty one restores the real end.
void SetEndHandler(std::function<void()> handler);

} // namespace runtime
