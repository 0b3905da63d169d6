// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/optionbuttoncontrol.h"

namespace runtime {

OptionButtonControl::OptionButtonControl(QWidget* parent) : QRadioButton(parent) {}

bool OptionButtonControl::Value() const
{
    return isChecked();
}

} // namespace runtime
