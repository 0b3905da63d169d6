// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/line.h"

namespace runtime {

Line::Line(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::HLine | QFrame::Sunken);
}

} // namespace runtime
