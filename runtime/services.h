// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The runtime's message box and the end of the program.

#include <functional>
#include <string_view>

class QWidget;

namespace runtime {

// Styles and answers of a message box, numbered as on the platform. The
// program shows one box: the OK button alone, with the information icon.
enum MsgBoxStyle : int
{
    OkOnly = 0,
    Information = 64,
};

enum MsgBoxAnswer : int
{
    AnswerOk = 1,
};

// Shows a modal message box over owner with an OK button, and the information
// icon where style asks for it; OK, Enter, Esc and the close box all answer OK.
// A CR LF in prompt, UTF-8 like title, starts a new line.
int MsgBox(QWidget* owner, std::string_view prompt, int style, std::string_view title);

// Ends the program at once with status 0: its windows go away and no further
// event is handled.
void End();

// Tests put their own end in place to see it happen; an empty one restores the real end.
void SetEndHandler(std::function<void()> handler);

} // namespace runtime
