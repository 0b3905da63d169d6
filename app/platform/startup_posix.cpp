// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace app {

void GuardStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1) {
            const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (null != -1 && null != fd) {
                dup2(null, fd);
                close(null);
            }
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

void NoBusAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    // The bus a session manager keeps at a fixed place is still found.
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo bus(runtimeDir + QStringLiteral("/bus"));
    if (!runtimeDir.isEmpty() && bus.exists() && !bus.isFile()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus.filePath().toLocal8Bit());
    } else {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

} // namespace app
