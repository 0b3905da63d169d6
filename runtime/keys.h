// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

class QKeyEvent;

namespace runtime {

// The letter the pressed key carries in the standard Russian layout, whatever
// layout group is active: access keys such as Alt+И then work by the physical
// key also while a Latin group is active. A null QChar where the key carries
// no Russian letter or the platform does not tell which key it was.
QChar RussianLetterOfKey(const QKeyEvent& event);

} // namespace runtime
