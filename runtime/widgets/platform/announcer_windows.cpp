// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace runtime {

// Qt workaround, until Qt 6.8: before its announcement event, UI Automation
// is told a text as a value change whose value is the text, for which Qt
// raises a notification event (UiaRaiseNotificationEvent); NVDA and Narrator
// speak it whatever has the focus. A widget shown and hidden is heard by none
// of them.
Announcer::Announcer(QWidget* speaker) : QObject(speaker), m_speaker(speaker) {}

void Announcer::Announce(const QString& text)
{
    QAccessibleValueChangeEvent event(m_speaker, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace runtime
