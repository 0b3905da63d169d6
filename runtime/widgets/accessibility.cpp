// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/accessibility.h"

#include "runtime/widgets/line.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/resultboxaccessible.h"

#include <QAccessibleWidget>

namespace runtime {

namespace {

const QMetaObject* g_mainWindow = nullptr;

// Qt asks once for each class of the object, most derived first: answering
// only for the exact class leaves every other widget to Qt.
QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    const QMetaObject* type = widget->metaObject();
    if (type == g_mainWindow) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (type == &Line::staticMetaObject) {
        return new QAccessibleWidget(widget, QAccessible::Separator);
    }
    if (type == &PictureBox::staticMetaObject) {
        return new ResultBoxAccessible(static_cast<PictureBox*>(widget));
    }
    return nullptr;
}

} // namespace

void InstallAccessibility(const QMetaObject& mainWindow)
{
    if (!g_mainWindow) {
        QAccessible::installFactory(Factory);
    }
    g_mainWindow = &mainWindow;
}

} // namespace runtime
