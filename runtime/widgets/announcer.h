// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace runtime {

// Tells a screen reader a text without moving the focus; the result box
// decides when. A text that merely changes in a widget without the focus
// screen readers leave unsaid. Qt 6.8 says it as an announcement on every
// platform (announcer.cpp); before it, AT-SPI gets it said its own way
// (platform/announcer_atspi.cpp). CMake picks the file by Qt's version.
class Announcer : public QObject
{
    Q_OBJECT

public:
    // speaker: the visible widget the announcement is said to come from.
    explicit Announcer(QWidget* speaker);

    void Announce(const QString& text);

private:
    QWidget* m_speaker;
    // What the AT-SPI way shows for each text (Qt workaround, until Qt 6.8).
    QWidget* m_notification = nullptr;
};

} // namespace runtime
