// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/optionbuttoncontrol.h"

#include <QFocusEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

namespace runtime {

OptionButtonControl::OptionButtonControl(QWidget* parent) : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) {
            TellSelected();
        }
    });
}

bool OptionButtonControl::Value() const
{
    return isChecked();
}

QRect OptionButtonControl::CaptionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    QRect caption = rect();
    caption.setLeft(indicator.right() + 1 + spacing);
    return caption;
}

QStringList OptionButtonControl::CaptionLines() const
{
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int width = CaptionRect().width();
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void OptionButtonControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    // Lines follow each other at the font's height, without extra leading, so
    // two of them fit the button's 25 pixels as they do on the platform.
    const QRect caption = CaptionRect();
    const QStringList lines = CaptionLines();
    const int lineHeight = fontMetrics().height();
    QRect line(caption.left(), caption.top() + (caption.height() - lineHeight * lines.size()) / 2,
               caption.width(), lineHeight);
    QRect used;
    for (const QString& text : lines) {
        painter.drawItemText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                             palette(), isEnabled(), text, QPalette::WindowText);
        used |= line.adjusted(0, 0, fontMetrics().horizontalAdvance(text) - line.width(), 0);
        line.translate(0, lineHeight);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0).intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void OptionButtonControl::focusInEvent(QFocusEvent* event)
{
    const bool byTab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byTab && !isChecked() && parentWidget()) {
        const auto siblings = parentWidget()->findChildren<OptionButtonControl*>(
            QString(), Qt::FindDirectChildrenOnly);
        for (OptionButtonControl* sibling : siblings) {
            if (sibling->isChecked() && sibling->autoExclusive()) {
                sibling->setFocus(event->reason());
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
}

bool OptionButtonControl::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace runtime
