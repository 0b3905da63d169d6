// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace window {

// The window's own keys, whatever control has the focus and whatever the
// platform theme lets that control do with them: Enter presses the default
// button from every control but a command button (which takes it for
// itself), and Alt with the key that carries a button's access letter in the
// Russian layout presses that button also while a Latin group is active.
// Watch each control and the window itself.
class KeyRouting : public QObject
{
    Q_OBJECT

public:
    KeyRouting(QWidget* window, QPushButton* defaultButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& event, QObject* receiver);

    QWidget* m_window;
    QPushButton* m_default;
};

} // namespace window
