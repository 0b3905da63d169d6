// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/picturebox.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

constexpr double kLegibleContrast = 4.5;

double RelativeLuminance(const QColor& color)
{
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::Clear()
{
    m_lines.clear();
    LinesChanged();
}

void PictureBox::WriteLine(std::string_view text)
{
    m_lines.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    LinesChanged();
}

QString PictureBox::CopyText() const
{
    return Text().trimmed();
}

void PictureBox::Copy() const
{
    if (const QString text = CopyText(); !text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void PictureBox::LinesChanged()
{
    update();
    // A command clears the box and writes its line in one go: the screen
    // reader hears about it once, when the command is done.
    if (!m_announcePending) {
        m_announcePending = true;
        QTimer::singleShot(0, this, &PictureBox::Announce);
    }
}

void PictureBox::Announce()
{
    m_announcePending = false;
    const QString shown = Text();
    // Removed and inserted, even when the line is the same as before: each
    // Calculate is an answer to be heard.
    QAccessibleTextUpdateEvent event(this, 0, m_announced, shown);
    QAccessible::updateAccessibility(&event);
    m_announced = shown;
}

QColor PictureBox::InkColor() const
{
    const QColor highlight = palette().color(QPalette::Highlight).toHsl();
    const QColor background = palette().color(backgroundRole());
    if (ContrastRatio(highlight, background) >= kLegibleContrast) {
        return QColor(highlight.rgb());
    }
    // Away from the background's lightness: darker on a light box, lighter on
    // a dark one; black or white always get there.
    const bool darker = RelativeLuminance(background) > 0.18;
    QColor ink = highlight;
    for (int lightness = highlight.lightness(); lightness >= 0 && lightness <= 255;
         lightness += darker ? -1 : 1) {
        ink.setHsl(highlight.hslHue(), highlight.hslSaturation(), lightness);
        if (ContrastRatio(ink, background) >= kLegibleContrast) {
            break;
        }
    }
    return QColor(ink.rgb());
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    // The menu keys, which Qt leaves to the platform and X11 does not turn
    // into a context menu; the menu then opens at the box.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        ShowMenu(mapToGlobal(contentsRect().center()));
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    ShowMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                         : mapToGlobal(contentsRect().center()));
}

void PictureBox::ShowMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("Копировать"), this, &PictureBox::Copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(!CopyText().isEmpty());
    menu.exec(at);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(InkColor());
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
