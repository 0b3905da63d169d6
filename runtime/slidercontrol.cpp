// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/slidercontrol.h"

namespace runtime {

SliderControl::SliderControl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

std::int32_t SliderControl::Value() const
{
    return value();
}

} // namespace runtime
