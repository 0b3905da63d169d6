// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/resultboxaccessible.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace runtime {

ResultBoxAccessible::ResultBoxAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{}

QLineEdit* ResultBoxAccessible::Box() const
{
    return static_cast<QLineEdit*>(widget());
}

void* ResultBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString ResultBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) {
        return Box()->text();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State ResultBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Box()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    return s;
}

QString ResultBoxAccessible::text(int startOffset, int endOffset) const
{
    const qsizetype size = Box()->text().size();
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, size);
    const qsizetype end = endOffset < 0 ? size : std::clamp<qsizetype>(endOffset, 0, size);
    return start < end ? Box()->text().mid(start, end - start) : QString();
}

int ResultBoxAccessible::characterCount() const
{
    return static_cast<int>(Box()->text().size());
}

void ResultBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && Box()->hasSelectedText()) {
        *startOffset = Box()->selectionStart();
        *endOffset = *startOffset + static_cast<int>(Box()->selectedText().size());
    }
}

int ResultBoxAccessible::selectionCount() const
{
    return Box()->hasSelectedText() ? 1 : 0;
}

void ResultBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ResultBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        Box()->deselect();
    }
}

void ResultBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int size = characterCount();
    const int start = std::clamp(startOffset, 0, size);
    const int end = std::clamp(endOffset, 0, size);
    if (selectionIndex == 0 && start < end) {
        Box()->setSelection(start, end - start);
    }
}

int ResultBoxAccessible::cursorPosition() const
{
    return Box()->cursorPosition();
}

void ResultBoxAccessible::setCursorPosition(int position)
{
    Box()->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QRect ResultBoxAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    // Where the style puts the text, and the advance of what comes before.
    QLineEdit* box = Box();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QFontMetrics metrics = box->fontMetrics();
    const QString line = box->text();
    const QPoint topLeft(contents.left() + metrics.horizontalAdvance(line.left(offset)),
                         contents.center().y() - metrics.height() / 2);
    return {box->mapToGlobal(topLeft),
            QSize(metrics.horizontalAdvance(line.at(offset)), metrics.height())};
}

int ResultBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = Box()->mapFromGlobal(point);
    return Box()->rect().contains(local) ? Box()->cursorPositionAt(local) : -1;
}

void ResultBoxAccessible::scrollToSubstring(int startIndex, int)
{
    setCursorPosition(startIndex);
}

QString ResultBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run over the whole line: the box has one font and one colour.
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset > *endOffset) {
        *startOffset = *endOffset = -1;
    }
    return {};
}

} // namespace runtime
