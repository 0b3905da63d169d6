// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <string_view>

namespace runtime {

namespace {

// The letter rows of the Russian (ЙЦУКЕН) layout and the X11 key code of the
// first key of each row (Linux input codes plus 8, as X11 and Wayland give them).
struct Row
{
    quint32 firstKeyCode;
    const char16_t* letters;
};
constexpr std::array<Row, 3> kRussianRows = {{
    {24, u"йцукенгшщзхъ"},
    {38, u"фывапролджэ"},
    {52, u"ячсмитьбю"},
}};

} // namespace

QChar RussianLetterOfKey(const QKeyEvent& event)
{
    // Only there do native scan codes mean these key codes.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) {
        return {};
    }
    const quint32 code = event.nativeScanCode();
    for (const Row& row : kRussianRows) {
        const auto letters = std::u16string_view(row.letters);
        if (code >= row.firstKeyCode && code < row.firstKeyCode + letters.size()) {
            return QChar(letters[code - row.firstKeyCode]);
        }
    }
    return {};
}

} // namespace runtime
