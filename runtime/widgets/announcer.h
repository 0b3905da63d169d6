// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace runtime {

// Tells a screen reader a text without moving the focus; the result box
// decides when. A text that merely changes in a widget without the focus
// screen readers leave unsaid, so each platform gets it said its own way
// (platform/announcer_*.cpp, picked by CMake).
// Qt workaround, until Qt 6.8: its QAccessibleAnnouncementEvent does this on
// every platform.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    // speaker: the visible widget the announcement is said to come from.
    explicit Announcer(QWidget* speaker);

    void Announce(const QString& text);
};

} // namespace runtime
