// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/checkboxcontrol.h"

namespace runtime {

CheckBoxControl::CheckBoxControl(QWidget* parent) : QCheckBox(parent) {}

std::int16_t CheckBoxControl::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return Unchecked;
    case Qt::PartiallyChecked:
        return Grayed;
    case Qt::Checked:
        break;
    }
    return Checked;
}

} // namespace runtime
