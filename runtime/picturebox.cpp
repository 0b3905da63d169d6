// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/picturebox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace runtime {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::Clear()
{
    m_lines.clear();
    linesChanged();
}

void PictureBox::WriteLine(std::string_view text)
{
    m_lines.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    linesChanged();
}

void PictureBox::linesChanged()
{
    // A screen reader reads the answer from here.
    setAccessibleDescription(m_lines.join(QLatin1Char('\n')));
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::Highlight));
    const int lineHeight = fontMetrics().height();
    int top = area.top();
    for (const QString& line : m_lines) {
        painter.drawText(QRect(area.left(), top, area.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
        top += lineHeight;
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area;
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace runtime
