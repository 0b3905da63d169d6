// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/services.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace runtime {

namespace {

std::function<void()>& EndHandler()
{
    static std::function<void()> handler;
    return handler;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MsgBox(QWidget* owner, std::string_view prompt, std::string_view title)
{
    QString text = FromUtf8(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::Information, FromUtf8(title), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    // Back to the window the box was over, also where no window manager does it.
    if (owner) {
        owner->activateWindow();
    }
}

void End()
{
    if (const auto& handler = EndHandler()) {
        handler();
        return;
    }
    // The windows go at once, so nothing more can be clicked; the event loop
    // then returns and main() ends the process with status 0.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

void SetEndHandler(std::function<void()> handler)
{
    EndHandler() = std::move(handler);
}

bool IsWayland()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

} // namespace runtime
