// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace runtime {

Announcer::Announcer(QWidget* speaker) : QObject(speaker), m_speaker(speaker) {}

void Announcer::Announce(const QString& text)
{
    // Said whatever has the focus, and again for the same text.
    QAccessibleAnnouncementEvent event(m_speaker, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace runtime
