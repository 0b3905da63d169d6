// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

#include <array>
#include <optional>

class QKeyEvent;

namespace window {

// The letter the pressed key carries in the standard Russian layout, whatever
// layout group is active: access keys such as Alt+И then work by the physical
// key also while a Latin group is active. A null QChar where the key carries
// no Russian letter or the platform does not tell which key it was.
QChar RussianLetterOfKey(const QKeyEvent& event);

// The native scan code of the first key of each letter row (Й, Ф, Я) on this
// platform; none where its scan codes mean no fixed keys. Each platform has
// its own file.
std::optional<std::array<quint32, 3>> FirstKeyOfRows();

} // namespace window
