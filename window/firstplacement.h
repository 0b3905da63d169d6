// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace window {

// Brings a window onto its screen, frame included, when it first appears;
// after that it stays wherever the user or the window manager puts it. The
// frame's size is known only once the window manager has framed the window,
// in its own time, so the window is placed again then. A Wayland client is
// not told where its window is and places nothing.
class FirstPlacement : public QObject
{
    Q_OBJECT

public:
    explicit FirstPlacement(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves the window onto the screen where it is not; true once the window
    // manager's frame was known and so counted.
    bool KeepOnScreen();

    QWidget* m_window;
    QTimer m_frameWatch;
    int m_framePolls = 0;
};

} // namespace window
