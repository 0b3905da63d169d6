// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

#include <QAccessible>

namespace runtime {

// UI Automation: Qt raises a notification event (UiaRaiseNotificationEvent)
// for a value change whose value is a text; NVDA and Narrator speak it
// whatever has the focus. A widget shown and hidden is heard by none of them.
Announcer::Announcer(QWidget* speaker) : QWidget(speaker)
{
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::Announce(const QString& text)
{
    QAccessibleValueChangeEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
}

} // namespace runtime
