// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/repeatedtooltips.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace window {

namespace {

constexpr const char* kProperty = "storomerToolTip";

} // namespace

RepeatedToolTips::RepeatedToolTips(QObject* parent) : QObject(parent) {}

void RepeatedToolTips::Add(QWidget* control, const QString& toolTip)
{
    control->setProperty(kProperty, toolTip);
    control->installEventFilter(this);
}

QString RepeatedToolTips::Of(const QWidget* control)
{
    return control->property(kProperty).toString();
}

bool RepeatedToolTips::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::ToolTip || !control) {
        return false;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Of(control), control);
    return true;
}

} // namespace window
