// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QWidget;

namespace runtime {

// Whether a control's caption fits its rectangle in the control's font, as the
// window shows it: a button's, the check box's and a label's on one line, an
// option button's in two lines; for the result box, each of lines.
bool CaptionFits(QWidget& control, const QStringList& lines = {});

} // namespace runtime
