// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/label.h"

#include <QPainter>
#include <QStyle>

namespace runtime {

Label::Label(const QString& caption, QWidget* parent)
    : QLabel(WithoutAccessKey(caption), parent), m_caption(caption)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          palette(), isEnabled(), m_caption, foregroundRole());
}

QString WithoutAccessKey(const QString& caption)
{
    // "&&" stands for a literal ampersand; a lone "&" only marks the next letter.
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

} // namespace runtime
