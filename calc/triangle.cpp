// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "calc/triangle.h"

#include <cmath>

namespace calc {

std::int32_t Perimeter(const SideLengths& s)
{
    return (s.a + s.b) + s.c;
}

ResultValue HeronArea(const SideLengths& s)
{
    // h = P / 2 is a real division: P = 5 gives 2.5. With sides in 0..50 every
    // factor below is a multiple of 1/16 under 2^25, so the radicand is exact
    // and its square root is the correctly rounded area.
    const double h = Perimeter(s) / 2.0;
    const double radicand = ((h * (h - s.a)) * (h - s.b)) * (h - s.c);
    if (radicand < 0) {
        return NoTriangle{};
    }
    return std::sqrt(radicand);
}

} // namespace calc
