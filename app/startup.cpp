// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace app {

namespace {

constexpr double kMinScale = 0.5;
constexpr double kMaxScale = 8;
constexpr double kStandardDpi = 96;
constexpr int kValueShown = 40;

// A finite number, written as nothing else; NaN where it is not one.
double Number(const QByteArray& text)
{
    double value = 0;
    const char* end = text.constData() + text.size();
    const auto [last, error] = std::from_chars(text.constData(), end, value);
    return error == std::errc{} && last == end && std::isfinite(value) ? value : NAN;
}

// QT_SCREEN_SCALE_FACTORS: "2;1.5" or "HDMI-1=2;eDP-1=1.5"; the largest counts,
// NaN where one is not a number in bounds.
double LargestScreenScale(const QByteArray& value)
{
    double largest = 0;
    for (const QByteArray& entry : value.split(';')) {
        const double scale = Number(entry.mid(entry.lastIndexOf('=') + 1));
        if (!(scale >= kMinScale && scale <= kMaxScale)) {
            return NAN;
        }
        largest = std::max(largest, scale);
    }
    return largest;
}

// QT_FONT_DPI: a whole number of dots per inch, 96 being scale 1.
double DpiScale(const QByteArray& value)
{
    bool ok = false;
    const int dpi = value.toInt(&ok);
    return ok ? dpi / kStandardDpi : NAN;
}

struct ScalingVariable
{
    const char* name;
    double (*scale)(const QByteArray&);
};
constexpr std::array<ScalingVariable, 3> kScalingVariables = {{
    {"QT_SCALE_FACTOR", Number}, // the scale itself
    {"QT_SCREEN_SCALE_FACTORS", LargestScreenScale},
    {"QT_FONT_DPI", DpiScale},
}};

bool InBounds(double scale)
{
    return scale >= kMinScale && scale <= kMaxScale;
}

void SayIgnored(const char* name, const QByteArray& value, const char* why)
{
    std::fprintf(stderr, "storomer: %s=\"%s\" ignored: %s\n", name,
                 Printable(std::string_view(value.constData(), value.size()), kValueShown).c_str(),
                 why);
}

} // namespace

void DropUnsafeScaling()
{
    double product = 1;
    for (const ScalingVariable& variable : kScalingVariables) {
        if (!qEnvironmentVariableIsSet(variable.name)) {
            continue;
        }
        const QByteArray value = qgetenv(variable.name);
        const double scale = variable.scale(value);
        if (InBounds(scale)) {
            product *= scale;
        } else {
            SayIgnored(variable.name, value, "the scale must lie from 0.5 to 8.");
            qunsetenv(variable.name);
        }
    }
    if (InBounds(product)) {
        return;
    }
    // Each alone is fine, but they multiply.
    for (const ScalingVariable& variable : kScalingVariables) {
        if (qEnvironmentVariableIsSet(variable.name)) {
            SayIgnored(variable.name, qgetenv(variable.name),
                       "together the scaling variables must scale from 0.5 to 8.");
            qunsetenv(variable.name);
        }
    }
}

std::string Printable(std::string_view utf8, int limit)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString shown;
    int count = 0;
    // By code point, so that no pair of surrogates is cut or passed unseen.
    for (const char32_t c : text.toUcs4()) {
        if (count == limit) {
            shown += QStringLiteral("…");
            break;
        }
        if (QChar::isPrint(c) && QChar::category(c) != QChar::Other_Format) {
            shown += QString::fromUcs4(&c, 1);
        } else if (c < 0x100) {
            shown += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        } else if (c < 0x10000) {
            shown += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
        }
        ++count;
    }
    return shown.toStdString();
}

} // namespace app
