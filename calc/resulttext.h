// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/resultvalue.h"

#include <string>
#include <string_view>

namespace calc {

// The line shown when the area of side lengths that form no triangle is asked for.
inline constexpr std::string_view kNoTriangleText = "Нет такого треугольника";

// The text of the result line, in UTF-8 and without a line end: the rounded
// form ("#.000": 12.000, .433) when round is set, the general form (" 12 ",
// " 43.3012701892219 ") otherwise. Both use the locale's decimal separator. An
// empty value gives an empty text in both forms.
std::string ResultText(const ResultValue& value, bool round);

} // namespace calc
