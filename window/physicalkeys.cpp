// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/physicalkeys.h"

#include <QKeyEvent>

#include <string_view>

namespace window {

namespace {

// The letter rows of the Russian (ЙЦУКЕН) layout, each on consecutive scan codes.
constexpr std::array<std::u16string_view, 3> kRussianRows = {
    u"йцукенгшщзхъ",
    u"фывапролджэ",
    u"ячсмитьбю",
};

} // namespace

QChar RussianLetterOfKey(const QKeyEvent& event)
{
    bool known = false;
    const std::array<quint32, 3> firsts = FirstKeyOfRows(&known);
    if (!known) {
        return {};
    }
    const quint32 code = event.nativeScanCode();
    for (std::size_t row = 0; row < kRussianRows.size(); ++row) {
        const std::u16string_view letters = kRussianRows[row];
        if (code >= firsts[row] && code < firsts[row] + letters.size()) {
            return QChar(letters[code - firsts[row]]);
        }
    }
    return {};
}

} // namespace window
