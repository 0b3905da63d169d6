// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/physicalkeys.h"

#include <QGuiApplication>

namespace window {

// Windows (set 1) scan codes: Q is 0x10, A 0x1E, Z 0x2C.
std::array<quint32, 3> FirstKeyOfRows(bool* known)
{
    *known = QGuiApplication::platformName() == QLatin1String("windows");
    return {0x10, 0x1E, 0x2C};
}

} // namespace window
