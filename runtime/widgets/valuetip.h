// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTimer>

namespace runtime {

// A small tip that shows a value just above a point, for a moment. Unlike
// QToolTip, which picks its own place below the pointer, it is placed before
// it shows: a shown popup cannot be moved on every platform (Wayland), so a
// new place means hiding and showing again.
class ValueTip : public QLabel
{
    Q_OBJECT

public:
    explicit ValueTip(QWidget* owner);

    // Shows text with the middle of its lower edge at bottomCentre (global),
    // kept on the screen that holds that point.
    void ShowAt(const QString& text, const QPoint& bottomCentre);

private:
    QTimer m_hide;
};

} // namespace runtime
