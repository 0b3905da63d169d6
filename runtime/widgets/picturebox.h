// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QColor>
#include <QLineEdit>

namespace runtime {

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// Whether black stands out more on a colour than white does.
bool IsLight(const QColor& color);

// The result box: a read-only line edit, so that a screen reader reads it
// as text by character and line, and a caret and selection work as anywhere.
// On top of the stock widget it writes in an ink that stays legible, tells
// a screen reader each new answer, and offers «Копировать» for its menu,
// highlighted at once when the keyboard opens it.
class PictureBox : public QLineEdit, public ResultBox
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The box is one line high: the first line written since Clear() is the
    // one that shows.
    void Clear() override;
    void WriteLine(std::string_view text) override;

    // The colour the line is written in: the hue of the palette's highlight,
    // made lighter or darker until it stands out from the box's background by
    // a contrast ratio of at least 4.5:1.
    QColor InkColor() const;

    // Whether line shows whole in the box as it is now (font and size).
    bool ShowsWhole(const QString& line);

    // What a copy puts on the clipboard: the line without the blanks around it.
    QString CopyText() const;
    void Copy() const;

signals:
    // Once each command that wrote a line, with the line as Copy() takes it;
    // the announcer tells it to screen readers.
    void Announced(const QString& answer);

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Show(const QString& line);
    // Writes in InkColor(), also after the palette changes.
    void Ink();
    void Announce();

    bool m_written = false;
    bool m_announcePending = false;
    QAction* m_copy = nullptr;
};

} // namespace runtime
