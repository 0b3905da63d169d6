// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/startup.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

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

void Drop(const char* name, const QByteArray& value)
{
    std::fprintf(stderr, "storomer: %s=\"%s\" ignored: the scale must lie from 0.5 to 8.\n", name,
                 Printable(std::string_view(value.constData(), value.size()), kValueShown).c_str());
    qunsetenv(name);
}

// QT_SCREEN_SCALE_FACTORS: "2;1.5" or "HDMI-1=2;eDP-1=1.5".
bool AreSaneScreenFactors(const QByteArray& value)
{
    for (const QByteArray& entry : value.split(';')) {
        const QByteArray factor = entry.mid(entry.lastIndexOf('=') + 1);
        if (!IsSaneScale(std::string_view(factor.constData(), factor.size()))) {
            return false;
        }
    }
    return true;
}

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
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        const QByteArray value = qgetenv("QT_SCALE_FACTOR");
        if (!IsSaneScale(std::string_view(value.constData(), value.size()))) {
            Drop("QT_SCALE_FACTOR", value);
        }
    }
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) {
        const QByteArray value = qgetenv("QT_SCREEN_SCALE_FACTORS");
        if (!AreSaneScreenFactors(value)) {
            Drop("QT_SCREEN_SCALE_FACTORS", value);
        }
    }
    if (qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        // Qt reads it as a whole number of dots per inch: 96 is scale 1.
        const QByteArray value = qgetenv("QT_FONT_DPI");
        bool ok = false;
        const int dpi = value.toInt(&ok);
        if (!ok || dpi < kMinScale * kStandardDpi || dpi > kMaxScale * kStandardDpi) {
            Drop("QT_FONT_DPI", value);
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
    const QString bus = runtimeDir + QStringLiteral("/bus");
    if (!runtimeDir.isEmpty() && QFileInfo(bus).exists() && !QFileInfo(bus).isFile()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus.toLocal8Bit());
    } else {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

bool IsSaneScale(std::string_view text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && last == end && std::isfinite(value) && value >= kMinScale &&
           value <= kMaxScale;
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
