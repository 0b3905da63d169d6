// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/label.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace runtime {

Label::Label(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(WithoutAccessKey(caption));
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, rect(),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          palette(), isEnabled(), m_caption, QPalette::WindowText);
}

QString WithoutAccessKey(QString caption)
{
    // "&&" stands for a literal ampersand; a lone "&" only marks the next letter.
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return caption.replace(marker, QStringLiteral("\\1"));
}

} // namespace runtime
