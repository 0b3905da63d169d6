// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/startup.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace runtime {

namespace {

constexpr double kMinScale = 0.5;
constexpr double kMaxScale = 8;
constexpr double kStandardDpi = 96;
constexpr int kValueShown = 40;

// A finite number from 0.5 to 8, written as nothing else.
bool IsSaneScale(const QByteArray& text)
{
    double value = 0;
    const char* end = text.constData() + text.size();
    const auto [last, error] = std::from_chars(text.constData(), end, value);
    return error == std::errc{} && last == end && std::isfinite(value) && value >= kMinScale &&
           value <= kMaxScale;
}

// QT_SCREEN_SCALE_FACTORS: "2;1.5" or "HDMI-1=2;eDP-1=1.5".
bool AreSaneScreenFactors(const QByteArray& value)
{
    const QList<QByteArray> entries = value.split(';');
    return std::all_of(entries.cbegin(), entries.cend(), [](const QByteArray& entry) {
        return IsSaneScale(entry.mid(entry.lastIndexOf('=') + 1));
    });
}

// QT_FONT_DPI: a whole number of dots per inch, 96 being scale 1.
bool IsSaneDpi(const QByteArray& value)
{
    bool ok = false;
    const int dpi = value.toInt(&ok);
    return ok && dpi >= kMinScale * kStandardDpi && dpi <= kMaxScale * kStandardDpi;
}

struct ScalingVariable
{
    const char* name;
    bool (*isSane)(const QByteArray&);
};
constexpr std::array<ScalingVariable, 3> kScalingVariables = {{
    {"QT_SCALE_FACTOR", IsSaneScale},
    {"QT_SCREEN_SCALE_FACTORS", AreSaneScreenFactors},
    {"QT_FONT_DPI", IsSaneDpi},
}};

} // namespace

void GuardStandardStreams()
{
#ifdef Q_OS_UNIX
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
#endif
}

void DropUnsafeScaling()
{
    for (const ScalingVariable& variable : kScalingVariables) {
        if (!qEnvironmentVariableIsSet(variable.name)) {
            continue;
        }
        const QByteArray value = qgetenv(variable.name);
        if (!variable.isSane(value)) {
            std::fprintf(
                stderr, "storomer: %s=\"%s\" ignored: the scale must lie from 0.5 to 8.\n",
                variable.name,
                Printable(std::string_view(value.constData(), value.size()), kValueShown).c_str());
            qunsetenv(variable.name);
        }
    }
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

std::string Printable(std::string_view utf8, int limit)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString shown;
    int count = 0;
    for (const QChar c : text) {
        if (count == limit) {
            shown += QStringLiteral("…");
            break;
        }
        if (c.isPrint() || c.isSurrogate()) {
            shown += c;
        } else if (c.unicode() < 0x100) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
        ++count;
    }
    return shown.toStdString();
}

} // namespace runtime
