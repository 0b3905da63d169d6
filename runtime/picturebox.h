// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QColor>
#include <QFrame>
#include <QStringList>

namespace runtime {

// The result box. It keeps the lines written since the last Clear() and paints
// them from the top-left corner, so they survive being covered, minimized or
// repainted for any other reason. A screen reader reads them as read-only
// text and hears each new writing once; Ctrl+C, Ctrl+Insert and the context
// menu copy them.
class PictureBox : public QFrame, public ResultBox
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void Clear() override;
    void WriteLine(std::string_view text) override;

    // What the box shows, one line after another, and as one text.
    QStringList Lines() const { return m_lines; }
    QString Text() const { return m_lines.join(QLatin1Char('\n')); }

    // The colour the lines are written in: the hue of the palette's highlight,
    // made lighter or darker until it stands out from the box's background by
    // a contrast ratio of at least 4.5:1.
    QColor InkColor() const;

    // What a copy puts on the clipboard: the lines without the blanks around them.
    QString CopyText() const;
    void Copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LinesChanged();
    void Announce();
    void ShowMenu(const QPoint& at);

    QStringList m_lines;
    // What a screen reader was last told, and whether a change waits to be told.
    QString m_announced;
    bool m_announcePending = false;
};

} // namespace runtime
