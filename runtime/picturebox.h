// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QFrame>
#include <QStringList>

namespace runtime {

// The result box. It keeps the lines written since the last Clear() and paints
// them from the top-left corner, so they survive being covered, minimized or
// repainted for any other reason.
class PictureBox : public QFrame, public ResultBox
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void Clear() override;
    void WriteLine(std::string_view text) override;

    // What the box shows, one line after another.
    QStringList lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void linesChanged();

    QStringList m_lines;
};

} // namespace runtime
