// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QSlider>

namespace runtime {

class ValueTip;

// A horizontal slider whose position a command reads as a 32-bit integer.
// While the user moves its thumb, by dragging or by keys, a small tip above
// the slider shows the position. A click beside the thumb, on the channel or
// on the tick marks, moves it one large change towards the click.
class SliderControl : public QSlider, public Slider
{
    Q_OBJECT

public:
    explicit SliderControl(QWidget* parent = nullptr);

    std::int32_t Value() const override;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ValueTip* m_tip;
    // Where the value tip stands, in global coordinates: above the slider,
    // centred on the thumb.
    QPoint ValueTipBottomCentre() const;
    void ShowValueTip();
};

} // namespace runtime
