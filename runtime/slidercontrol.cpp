// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/slidercontrol.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace runtime {

SliderControl::SliderControl(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        // A change made by the program itself shows no tip; the user's do.
        if (isSliderDown() || hasFocus()) {
            ShowValueTip();
        }
    });
}

std::int32_t SliderControl::Value() const
{
    return value();
}

void SliderControl::mousePressEvent(QMouseEvent* event)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QPoint at = event->position().toPoint();
    if (style()->hitTestComplexControl(QStyle::CC_Slider, &option, at, this) != QStyle::SC_None) {
        QSlider::mousePressEvent(event);
        return;
    }
    // The style's channel is a thin strip; the tick marks below it count too.
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QPointF onGroove(event->position().x(), groove.center().y());
    QMouseEvent moved(event->type(), onGroove, mapToGlobal(onGroove), event->button(),
                      event->buttons(), event->modifiers(), event->pointingDevice());
    QSlider::mousePressEvent(&moved);
    event->setAccepted(moved.isAccepted());
}

void SliderControl::ShowValueTip()
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // Above the thumb, clear of the pointer that drags it.
    const QPoint at = mapToGlobal(QPoint(handle.center().x(), handle.top() - 24));
    QToolTip::showText(at, QString::number(value()), this);
}

} // namespace runtime
