// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QSlider>

namespace runtime {

// A horizontal slider whose position a command reads as a 32-bit integer.
class SliderControl : public QSlider, public Slider
{
    Q_OBJECT

public:
    explicit SliderControl(QWidget* parent = nullptr);

    std::int32_t Value() const override;
};

} // namespace runtime
