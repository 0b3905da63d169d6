// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Until the application object stands, Qt's messages are held back: when no
// display can be opened, Qt's own lines give way to one clear line and a plain
// exit with status 1 instead of an abort; otherwise they are passed on.
std::vector<std::pair<QtMsgType, QString>> g_heldMessages;
QtMessageHandler g_defaultHandler = nullptr;

void StartUpMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs("storomer: cannot open a display; the program needs a graphical session "
                   "(set DISPLAY or WAYLAND_DISPLAY).\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    (void)context;
    g_heldMessages.emplace_back(type, text);
}

} // namespace

int main(int argc, char* argv[])
{
    g_defaultHandler = qInstallMessageHandler(StartUpMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_defaultHandler);
    for (const auto& [type, text] : g_heldMessages) {
        g_defaultHandler(type, QMessageLogContext(), text);
    }
    g_heldMessages.clear();

    QApplication::setApplicationName(QStringLiteral("storomer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/storomer/storomer.png")));

    window::Form1 form;
    form.show();
    return app.exec();
}
