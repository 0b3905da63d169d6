// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/physicalkeys.h"

#include <QGuiApplication>

namespace window {

// X11 and Wayland key codes: Linux input codes plus 8 (Q is 24, A 38, Z 52).
std::optional<std::array<quint32, 3>> FirstKeyOfRows()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) {
        return std::nullopt;
    }
    return std::array<quint32, 3>{24, 38, 52};
}

} // namespace window
