// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "calc/resulttext.h"

#include "runtime/format.h"

namespace calc {

namespace {

constexpr std::string_view kRoundedPattern = "#.000";

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
// Clang 14 does not yet deduce an aggregate's template arguments by itself.
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

std::string ResultText(const ResultValue& value, bool round)
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [round](std::int32_t perimeter) {
                              return round ? runtime::FormatNumber(perimeter, kRoundedPattern)
                                           : runtime::PrintItem(perimeter);
                          },
                          [round](double area) {
                              return round ? runtime::FormatNumber(area, kRoundedPattern)
                                           : runtime::PrintItem(area);
                          },
                          [](NoTriangle) { return std::string(kNoTriangleText); },
                      },
                      value);
}

} // namespace calc
