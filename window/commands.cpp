// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/commands.h"

#include "runtime/services.h"

namespace window {

std::string FormulasMessage()
{
    return ((std::string(kFormulasLine1) + '\r') + '\n') + std::string(kFormulasLine2);
}

void FormulasCommand(QWidget* owner)
{
    // The answer tells nothing here: OK is the only button.
    runtime::MsgBox(owner, FormulasMessage(), runtime::OkOnly | runtime::Information,
                    kFormulasTitle);
}

void ExitCommand()
{
    runtime::End();
}

} // namespace window
