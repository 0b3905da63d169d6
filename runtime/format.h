// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// Number formatting of the runtime. Every function follows the user's locale
// for the decimal separator and nothing else of it: no grouping, no locale digits.

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// The decimal separator of the current locale, as UTF-8.
std::string DecimalSeparator();

// Formats a number by a pattern of digit places: '0' always shows a digit, '#'
// shows one only when it is significant, and one '.' stands for the decimal
// separator. The value is rounded to the pattern's last place. So "#.000"
// gives ".433" for 0.4330127 and "74.000" for 73.99958.
std::string FormatNumber(double value, std::string_view pattern);

// A number as printed into a picture box: a blank in the place of the sign (a
// minus for negatives), the digits, and a blank after them. Reals keep up to 15
// significant digits, drop trailing zeros and a bare separator, write a 0
// before the separator below 1, and never use an exponent.
std::string PrintItem(std::int32_t value);
std::string PrintItem(double value);

} // namespace runtime
