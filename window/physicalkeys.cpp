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
    const auto firsts = FirstKeyOfRows();
    if (!firsts) {
        return {};
    }
    const quint32 code = event.nativeScanCode();
    for (std::size_t row = 0; row < kRussianRows.size(); ++row) {
        const std::u16string_view letters = kRussianRows[row];
        const quint32 first = (*firsts)[row];
        if (code >= first && code < first + letters.size()) {
            return QChar(letters[code - first]);
        }
    }
    return {};
}

} // namespace window
