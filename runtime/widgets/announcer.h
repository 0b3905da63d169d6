// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace runtime {

// Tells a screen reader a text without moving the focus: an invisible,
// zero-size notification that appears anew with each text. Screen readers
// speak a notification as it shows; a text that merely changes in a widget
// without the focus they leave unsaid.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Announce(const QString& text);
};

} // namespace runtime
