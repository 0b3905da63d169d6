// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The triangle calculation: the window hands its controls to CalculateCommand,
// which reads the sides and the chosen measure, computes the value and writes
// the one line of ResultText into the result box. Nothing is kept between runs.

#include "runtime/controls.h"

namespace calc {

// Runs one calculation on the window's controls, as the Calculate button does.
void CalculateCommand(const runtime::FormControls& form);

} // namespace calc
