// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/physicalkeys.h"

#include <QGuiApplication>

namespace window {

// Windows (set 1) scan codes: Q is 0x10, A 0x1E, Z 0x2C.
std::optional<std::array<quint32, 3>> FirstKeyOfRows()
{
    if (QGuiApplication::platformName() != QLatin1String("windows")) {
        return std::nullopt;
    }
    return std::array<quint32, 3>{0x10, 0x1E, 0x2C};
}

} // namespace window
