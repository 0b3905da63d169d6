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
    runtime::MsgBox(owner, FormulasMessage(), kFormulasTitle);
}

void ExitCommand()
{
    runtime::End();
}

} // namespace window
