// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/commands.h"

#include "runtime/services.h"
#include "window/form1.h"

namespace window {

std::string FormulasMessage()
{
    return ((std::string(kFormulasLine1) + '\r') + '\n') + std::string(kFormulasLine2);
}

void FormulasCommand(Form1& form)
{
    // The answer tells nothing here: OK is the only button.
    runtime::MsgBox(&form, FormulasMessage(), runtime::OkOnly | runtime::Information,
                    kFormulasTitle);
}

void ExitCommand(Form1&)
{
    runtime::End();
}

} // namespace window
