// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <variant>

namespace calc {

// The three side lengths, as the sliders give them (0..50 each).
struct SideLengths
{
    std::int32_t a;
    std::int32_t b;
    std::int32_t c;
};

// The area was asked for, but the sides cannot close into a triangle (one is
// longer than the other two together): there is no real square root to show.
struct NoTriangle
{
    bool operator==(const NoTriangle&) const = default;
};

// What one calculation produces: nothing (no measure selected), the perimeter
// (an integer), the area (a real), or the finding that there is no triangle.
using ResultValue = std::variant<std::monostate, std::int32_t, double, NoTriangle>;

} // namespace calc
