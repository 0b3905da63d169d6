// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/slidercontrol.h"

#include "runtime/widgets/valuetip.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QStylePainter>

namespace {

// The gap between the value tip and the slider below it.
constexpr int kTipGap = 2;

} // namespace

namespace runtime {

SliderControl::SliderControl(QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_tip(new ValueTip(this))
{
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        // The user moves the thumb by dragging it or, with the focus, by keys;
        // a change the program makes while the slider has neither shows no tip.
        if (isSliderDown() || hasFocus()) {
            ShowValueTip();
        }
    });
}

void SliderControl::focusOutEvent(QFocusEvent* event)
{
    // The value shows for the slider being moved, not beside the next one.
    m_tip->hide();
    QSlider::focusOutEvent(event);
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

void SliderControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The tick marks first, on their own and never in the focus colour: drawn
    // together with the thumb, Fusion colours them after whichever slider's
    // thumb it last drew afresh, so that a slider without the focus can look
    // focused. The thumb still shows the focus.
    QStyleOptionSlider ticks = option;
    ticks.subControls = QStyle::SC_SliderTickmarks;
    ticks.activeSubControls = QStyle::SC_None;
    ticks.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_Slider, ticks);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    painter.drawComplexControl(QStyle::CC_Slider, option);
}

QPoint SliderControl::ValueTipBottomCentre() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    return mapToGlobal(QPoint(handle.center().x(), -kTipGap));
}

void SliderControl::ShowValueTip()
{
    m_tip->ShowAt(QString::number(value()), ValueTipBottomCentre());
}

} // namespace runtime
