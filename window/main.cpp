// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "storomer.xpm"
#include "storomer_version.h"
#include "window/form1.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

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
    if (type != QtFatalMsg) {
        g_heldMessages.emplace_back(type, text);
        return;
    }
    (void)context;
    // Qt's first complaint names the cause, such as the display it could not reach.
    const QString cause = g_heldMessages.empty() ? text : g_heldMessages.front().second;
    std::fprintf(stderr,
                 "storomer: cannot open a display (%s); the program needs a graphical session.\n",
                 cause.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
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
    QApplication::setApplicationVersion(QStringLiteral(STOROMER_VERSION_TEXT));
    // Ties the window to its .desktop file: its name and icon in the desktop's lists.
    QGuiApplication::setDesktopFileName(QStringLiteral(STOROMER_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(storomer_xpm)));

    window::Form1 form;
    form.show();
    return app.exec();
}
