// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/resultvalue.h"

namespace calc {

// P = (a + b) + c, in integer arithmetic; 0..150 for sides in 0..50.
std::int32_t Perimeter(const SideLengths& s);

// The area by Heron's formula in double precision, or NoTriangle when one side
// is longer than the other two together and the radicand is negative.
ResultValue HeronArea(const SideLengths& s);

} // namespace calc
