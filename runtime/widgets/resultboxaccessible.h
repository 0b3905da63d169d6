// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace runtime {

// The result box as read-only text. Qt workaround, until a Qt after 6.4
// (recheck on each upgrade): Qt 6.4's own line edit interface reports an empty
// run of text attributes, and Orca then reads a line only up to that run: the
// answer without its last character. This one reports the whole line as one
// run and answers every offset as Qt's widgets do.
class ResultBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultBoxAccessible(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* Box() const;
};

} // namespace runtime
