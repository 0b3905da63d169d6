// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"
#include "runtime/services.h"
#include "storomer.xpm"
#include "storomer_version.h"
#include "window/form1.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The longest cause the no-display line quotes.
constexpr int kCauseShown = 200;

struct HeldMessage
{
    QtMsgType type;
    QString text;
    // Qt's message contexts point at static strings, so they can be kept.
    const char* file;
    int line;
    const char* function;
    const char* category;
};

// Until the application object stands, Qt's messages are held back: when no
// display can be opened, they give way to one clear line and exit status 1
// instead of an abort; otherwise they are passed on as they came.
std::vector<HeldMessage> g_heldMessages;

void StartUpMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldMessages.push_back(
            {type, text, context.file, context.line, context.function, context.category});
        return;
    }
    // Qt's warnings name the cause, such as each display it could not reach;
    // debug lines (QT_DEBUG_PLUGINS) come among them and say nothing of it.
    QStringList warnings;
    for (const HeldMessage& m : g_heldMessages) {
        if (m.type != QtDebugMsg && m.type != QtInfoMsg) {
            warnings << m.text;
        }
    }
    const QString cause = warnings.isEmpty() ? text : warnings.join(QLatin1String("; "));
    std::fprintf(stderr,
                 "storomer: cannot open a display (%s); the program needs a graphical session.\n",
                 app::Printable(cause.simplified().toStdString(), kCauseShown).c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int, char*[])
{
    app::GuardStandardStreams();
    app::DropUnsafeScaling();
    app::NoBusAutolaunch();

    // Qt gets the program's name and nothing else of its command line: its
    // options could load plugins from anywhere, read any file as a style sheet
    // or put the window off the screen. The environment variables stay.
    static int qtArgc = 1;
    static char name[] = "storomer";
    static char* qtArgv[] = {name, nullptr};

    const QtMessageHandler defaultHandler = qInstallMessageHandler(StartUpMessageHandler);
    QApplication application(qtArgc, qtArgv);
    qInstallMessageHandler(defaultHandler);
    for (const HeldMessage& m : g_heldMessages) {
        defaultHandler(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    }
    g_heldMessages.clear();

    QApplication::setApplicationName(QStringLiteral("storomer"));
    QApplication::setApplicationVersion(QStringLiteral(STOROMER_VERSION_TEXT));
    // Ties the window to its .desktop file: its name and icon in the desktop's lists.
    QGuiApplication::setDesktopFileName(QStringLiteral(STOROMER_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(storomer_xpm)));

    window::Form1 form;
    form.show();
    const int status = application.exec();
    // Qt workaround, until a Qt after 6.4 (recheck on each upgrade): Qt 6.4's
    // Wayland plugin can hang for good in its own teardown (its event thread
    // waits on a read the main thread prepared): the program, whose window is
    // gone, ends here instead.
    if (runtime::IsWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
