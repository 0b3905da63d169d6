// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QRadioButton>

namespace runtime {

// An option button of one group, read as selected or not.
class OptionButtonControl : public QRadioButton, public OptionButton
{
    Q_OBJECT

public:
    explicit OptionButtonControl(QWidget* parent = nullptr);

    bool Value() const override;
};

} // namespace runtime
