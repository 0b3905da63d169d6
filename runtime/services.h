// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The runtime's message box and the end of the program.

#include <functional>
#include <string_view>

class QWidget;

namespace runtime {

// Styles and answers of a message box, as numbers that combine like the
// platform's: buttons + icon + default button.
enum MsgBoxStyle : int
{
    OkOnly = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton1 = 0,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};

enum MsgBoxAnswer : int
{
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerAbort = 3,
    AnswerRetry = 4,
    AnswerIgnore = 5,
    AnswerYes = 6,
    AnswerNo = 7,
};

// Shows a modal message box over owner and returns the button that closed it;
// Esc and the close box answer for its Cancel, its No, or its only button. A
// CR LF in prompt, UTF-8 like title, starts a new line.
int MsgBox(QWidget* owner, std::string_view prompt, int style, std::string_view title);

// Ends the program at once with status 0: its windows go away and no further
// event is handled.
void End();

// Tests put their own end in place to see it happen; an empty one restores the real end.
void SetEndHandler(std::function<void()> handler);

} // namespace runtime
