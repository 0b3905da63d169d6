// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QCheckBox>

namespace runtime {

// A check box read as 0 (unchecked), 1 (checked) or 2 (grayed).
class CheckBoxControl : public QCheckBox, public CheckBox
{
    Q_OBJECT

public:
    explicit CheckBoxControl(QWidget* parent = nullptr);

    std::int16_t Value() const override;
};

} // namespace runtime
