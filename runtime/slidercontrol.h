// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QSlider>

namespace runtime {

// A horizontal slider whose position a command reads as a 32-bit integer.
// While its thumb is dragged or moved by keys, a small tip shows the position.
// A click beside the thumb, on the channel or on the tick marks, moves it one
// large change towards the click.
class SliderControl : public QSlider, public Slider
{
    Q_OBJECT

public:
    explicit SliderControl(QWidget* parent = nullptr);

    std::int32_t Value() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowValueTip();
};

} // namespace runtime
