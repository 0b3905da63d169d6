// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

#include <QAccessibleWidget>
#include <QWidget>

// Qt workaround, until Qt 6.8: before its announcement event, AT-SPI is told
// a text by an invisible, zero-size notification that appears anew with each
// text; screen readers speak a notification as it shows.

namespace runtime {

namespace {

class Notification : public QWidget
{
public:
    explicit Notification(QWidget* parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

QAccessibleInterface* NotificationRole(const QString&, QObject* object)
{
    if (auto* notification = dynamic_cast<Notification*>(object)) {
        return new QAccessibleWidget(notification, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* speaker)
    : QObject(speaker), m_speaker(speaker), m_notification(new Notification(speaker))
{
    static const bool installed = (QAccessible::installFactory(NotificationRole), true);
    Q_UNUSED(installed);
}

void Announcer::Announce(const QString& text)
{
    // Shown again even for the same text: each answer is heard.
    m_notification->hide();
    m_notification->setAccessibleName(text);
    m_notification->show();
}

} // namespace runtime
